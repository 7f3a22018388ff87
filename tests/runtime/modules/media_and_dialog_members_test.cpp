// The chart, common dialog, animation, multimedia, picture clip and system information classes through the
// runtime, as a program reaches them by name: the chart's data point by point, the dialogs shown and
// answered, clips opened and played, pictures cut into cells, and the machine's facts as another route reads
// them.

#include "support/library_members_fixture.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QGraphicsItem>
#include <QGraphicsObject>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLineEdit>
#include <QScreen>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>

namespace qv::test
{
namespace
{

// The dialog's own error when the user cancels and CancelError is set.
constexpr Status cancelSelected = static_cast<Status>(0x800A7FF3u);

Variant number(int value)
{
    return Variant(static_cast<std::int32_t>(value));
}

Variant textOf(const char *value)
{
    return Variant(QString::fromUtf8(value));
}

Variant read(Control &control, std::string_view property)
{
    Variant value;
    EXPECT_EQ(control.get(property, value), status::ok) << property;
    return value;
}

// --- The chart ---

constexpr int bars2d = 1; // VtChChartType2dBar
constexpr int pies2d = 14; // VtChChartType2dPie

QGraphicsObject *chartOf(QWidget *view)
{
    for (QGraphicsItem *item : static_cast<QGraphicsView *>(view)->scene()->items()) {
        QGraphicsObject *object = item->toGraphicsObject();
        if (object && object->inherits("QChart"))
            return object;
    }
    return nullptr;
}

// One row of one column, as high as the value scale: its bar (or its pie) covers the middle of the plot,
// where the user clicks.
void clickTheOnlyPoint(Control &chart, QWidget *view, int chartType)
{
    ASSERT_EQ(chart.put("ChartType", number(chartType)), status::ok);
    ASSERT_EQ(chart.put("RowCount", number(1)), status::ok);
    ASSERT_EQ(chart.put("ColumnCount", number(1)), status::ok);
    ASSERT_EQ(chart.put("Data", Variant(10.0)), status::ok);
    QGraphicsObject *shown = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            shown = chartOf(view);
            return shown && !shown->property("plotArea").toRectF().isEmpty();
        },
        5000))
        << "the chart was never laid out";
    QCoreApplication::processEvents();
    // Above the middle of the plot: inside the bar, and inside the pie rather than on its centre.
    const QRectF plot = shown->property("plotArea").toRectF();
    const QPointF middle = shown->mapToScene(plot.center() - QPointF(0, plot.height() / 8));
    auto *graphics = static_cast<QGraphicsView *>(view);
    QTest::mouseClick(graphics->viewport(), Qt::LeftButton, {}, graphics->mapFromScene(middle));
}

// --- The common dialog ---

// Answers the modal dialog the next call shows, from inside its own event loop; a dialog that is not there
// when it should be fails the test, and one left open while `test` lasts is closed, so that no test waits for
// ever.
void whenTheDialogShows(QObject &test, std::function<void(QDialog &)> answer)
{
    QTimer::singleShot(0, &test, [answer] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "no modal dialog shows";
        answer(*dialog);
    });
    QTimer::singleShot(10000, &test, [] {
        if (auto *left = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "the dialog was left open";
            left->reject();
        }
    });
}

// Types a file's name into the file dialog and presses Enter, as the user does.
void chooseFile(QDialog &dialog, const QString &path)
{
    auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr) << "the file dialog has no file name box";
    name->setFocus();
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
    if (dialog.isVisible())
        dialog.accept();
}

struct DialogCase {
    const char *name;
    const char *method;
    std::function<void(Control &, const QString &folder)> before;
    std::function<void(QDialog &, const QString &folder)> answer;
    Status expected;
    // What the dialog left, read by name, against what it should be.
    std::function<void(Control &, const QString &folder)> check;
};

class CommonDialogShows : public LibraryMembers, public ::testing::WithParamInterface<DialogCase>
{
};

TEST_P(CommonDialogShows, WhatTheUserChoseOrCancelled)
{
    const DialogCase &row = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    Control &dialog = one("MSComDlg.CommonDialog");
    row.before(dialog, folder.path());
    QObject answering;
    whenTheDialogShows(answering, [&](QDialog &shown) { row.answer(shown, folder.path()); });
    EXPECT_EQ(dialog.call(row.method), row.expected);
    const QString why = lastError();
    if (row.expected == cancelSelected) {
        EXPECT_TRUE(why.endsWith(QStringLiteral("Cancel was selected."))) << why.toStdString();
    }
    row.check(dialog, folder.path());
}

void nothingBefore(Control &, const QString &) { }

void cancel(QDialog &dialog, const QString &)
{
    QTest::keyClick(&dialog, Qt::Key_Escape);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, CommonDialogShows,
    ::testing::Values(
        DialogCase { "OpenAFileOfTheSecondFilter", "ShowOpen",
                     [](Control &c, const QString &folder) {
                         QFile file(folder + QStringLiteral("/notes.log"));
                         ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                         ASSERT_EQ(c.put("Filter", textOf("Text (*.txt)|*.txt|Logs|*.log;*.out")),
                                   status::ok);
                         ASSERT_EQ(c.put("FilterIndex", number(2)), status::ok);
                         ASSERT_EQ(c.put("InitDir", Variant(folder)), status::ok);
                         ASSERT_EQ(c.put("DialogTitle", textOf("Pick a log")), status::ok);
                     },
                     [](QDialog &d, const QString &folder) {
                         auto &files = static_cast<QFileDialog &>(d);
                         EXPECT_EQ(files.windowTitle(), QStringLiteral("Pick a log"));
                         EXPECT_EQ(files.nameFilters(),
                                   QStringList({ QStringLiteral("Text (*.txt)"),
                                                 QStringLiteral("Logs (*.log *.out)") }));
                         EXPECT_EQ(files.selectedNameFilter(), QStringLiteral("Logs (*.log *.out)"));
                         EXPECT_EQ(QDir(files.directory()).canonicalPath(), QDir(folder).canonicalPath());
                         chooseFile(d, folder + QStringLiteral("/notes.log"));
                     },
                     status::ok,
                     [](Control &c, const QString &folder) {
                         EXPECT_EQ(QDir(read(c, "FileName").toString().value_or(QString())).canonicalPath(),
                                   QDir(folder + QStringLiteral("/notes.log")).canonicalPath());
                         EXPECT_EQ(read(c, "FileTitle"), textOf("notes.log"));
                         EXPECT_EQ(read(c, "FilterIndex"), number(2));
                     } },
        DialogCase {
            "SaveUnderANewNameWithTheDefaultExtension", "ShowSave",
            [](Control &c, const QString &folder) {
                ASSERT_EQ(c.put("DefaultExt", textOf("txt")), status::ok);
                ASSERT_EQ(c.put("InitDir", Variant(folder)), status::ok);
            },
            [](QDialog &d, const QString &folder) {
                EXPECT_EQ(static_cast<QFileDialog &>(d).acceptMode(), QFileDialog::AcceptSave);
                chooseFile(d, folder + QStringLiteral("/report"));
            },
            status::ok,
            [](Control &c, const QString &) { EXPECT_EQ(read(c, "FileTitle"), textOf("report.txt")); } },
        DialogCase {
            "CancelAnOpenWithCancelError", "ShowOpen",
            [](Control &c, const QString &) {
                ASSERT_EQ(c.put("FileName", textOf("kept.txt")), status::ok);
                ASSERT_EQ(c.put("CancelError", Variant(true)), status::ok);
            },
            cancel, cancelSelected,
            [](Control &c, const QString &) { EXPECT_EQ(read(c, "FileName"), textOf("kept.txt")); } },
        DialogCase {
            "CancelAnOpenWithoutCancelError", "ShowOpen",
            [](Control &c, const QString &) { ASSERT_EQ(c.put("FileName", textOf("kept.txt")), status::ok); },
            cancel, status::ok,
            [](Control &c, const QString &) { EXPECT_EQ(read(c, "FileName"), textOf("kept.txt")); } },
        DialogCase {
            "ChooseAColour", "ShowColor",
            [](Control &c, const QString &) { ASSERT_EQ(c.put("Color", number(0x0000FF)), status::ok); },
            [](QDialog &d, const QString &) {
                auto &colours = static_cast<QColorDialog &>(d);
                EXPECT_EQ(colours.currentColor(), QColor(255, 0, 0)) << "the dialog opens on Color";
                colours.setCurrentColor(QColor(0x12, 0x34, 0x56));
                QTest::keyClick(&d, Qt::Key_Return);
            },
            status::ok, [](Control &c, const QString &) { EXPECT_EQ(read(c, "Color"), number(0x563412)); } },
        DialogCase { "CancelAColourWithCancelError", "ShowColor",
                     [](Control &c, const QString &) {
                         ASSERT_EQ(c.put("Color", number(0x0000FF)), status::ok);
                         ASSERT_EQ(c.put("CancelError", Variant(true)), status::ok);
                     },
                     cancel, cancelSelected,
                     [](Control &c, const QString &) { EXPECT_EQ(read(c, "Color"), number(0x0000FF)); } },
        DialogCase { "ChooseAFont", "ShowFont", nothingBefore,
                     [](QDialog &d, const QString &) {
                         auto &fonts = static_cast<QFontDialog &>(d);
                         QFont chosen = fonts.currentFont();
                         chosen.setPointSize(14);
                         fonts.setCurrentFont(chosen);
                         QTest::keyClick(&d, Qt::Key_Return);
                     },
                     status::ok,
                     [](Control &c, const QString &) {
                         EXPECT_EQ(read(c, "FontSize"), Variant(14.0f));
                         EXPECT_FALSE(read(c, "FontName").toString().value_or(QString()).isEmpty());
                     } },
        DialogCase { "CancelAFontWithCancelError", "ShowFont",
                     [](Control &c, const QString &) {
                         ASSERT_EQ(c.put("FontSize", Variant(9.0f)), status::ok);
                         ASSERT_EQ(c.put("CancelError", Variant(true)), status::ok);
                     },
                     cancel, cancelSelected,
                     [](Control &c, const QString &) { EXPECT_EQ(read(c, "FontSize"), Variant(9.0f)); } }),
    [](const auto &row) { return rowName(row); });

// --- The animation ---

// A clip of two frames of one pixel each: red, then blue.
QByteArray redThenBlue()
{
    const QByteArray frame = QByteArray::fromHex("21f90400"
                                                 "0a000000"
                                                 "2c0000000001000100"
                                                 "00");
    return QByteArray("GIF89a")
        + QByteArray::fromHex("01000100f00000"
                              "ff00000000ff")
        + QByteArray::fromHex("21ff0b") + "NETSCAPE2.0"
        + QByteArray::fromHex("030100"
                              "0000")
        + frame + QByteArray::fromHex("0202440100") + frame + QByteArray::fromHex("02024c0100")
        + QByteArray::fromHex("3b");
}

QString writtenFile(const QTemporaryDir &folder, const char *name, const QByteArray &bytes)
{
    const QString path = folder.filePath(QLatin1String(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << name;
    return path;
}

// The colour in the middle of the area, where a centred frame shows.
QColor middleOf(QWidget *area)
{
    const QImage shown = area->grab().toImage();
    const QRect inside = static_cast<QFrame *>(area)->contentsRect();
    return shown.pixelColor(inside.center());
}

TEST_F(LibraryMembers, AnimationShowsTheFramesItPlays)
{
    QTemporaryDir folder;
    const QString clip = writtenFile(folder, "clip.gif", redThenBlue());
    Control &animation = one("MSComCtl2.Animation");
    QWidget *area = widgetOf(animation);
    const QColor empty = middleOf(area);

    ASSERT_EQ(animation.call("Open", { Variant(clip) }), status::ok) << lastError().toStdString();
    EXPECT_EQ(middleOf(area), QColor(Qt::red)) << "the first frame shows once the clip is open";
    ASSERT_EQ(animation.call("Play", { number(1), number(1), number(1) }), status::ok)
        << lastError().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return middleOf(area) == QColor(Qt::blue); }, 5000));
    ASSERT_EQ(animation.call("Stop"), status::ok);
    ASSERT_EQ(animation.call("Close"), status::ok);
    EXPECT_EQ(middleOf(area), empty);
    EXPECT_EQ(animation.call("Play"), status::invalidProcedureCall) << "nothing is open after Close";
    EXPECT_TRUE(lastError().contains(QStringLiteral("no clip is open")));
}

TEST_F(LibraryMembers, AnimationWithAutoPlayPlaysWhatItOpens)
{
    QTemporaryDir folder;
    const QString clip = writtenFile(folder, "clip.gif", redThenBlue());
    Control &animation = one("MSComCtl2.Animation");
    ASSERT_EQ(animation.put("AutoPlay", Variant(true)), status::ok);
    ASSERT_EQ(animation.call("Open", { Variant(clip) }), status::ok) << lastError().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return middleOf(widgetOf(animation)) == QColor(Qt::blue); }, 5000));
}

// --- The picture clip ---

// A picture of Cols 3 by Rows 2 cells of 10 by 8 pixels, each of its own colour.
QColor cellColour(int index)
{
    return QColor::fromHsv(index * 50, 255, 200);
}

QString cellsPicture(const QTemporaryDir &folder)
{
    QImage picture(30, 16, QImage::Format_RGB32);
    for (int index = 0; index < 6; ++index) {
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 10; ++x)
                picture.setPixelColor((index % 3) * 10 + x, (index / 3) * 8 + y, cellColour(index));
        }
    }
    const QString path = folder.filePath(QStringLiteral("cells.png"));
    EXPECT_TRUE(picture.save(path));
    return path;
}

Control &gridOfCells(Control &clip, const QString &picture)
{
    EXPECT_EQ(clip.put("Picture", Variant(picture)), status::ok);
    EXPECT_EQ(clip.put("Rows", number(2)), status::ok);
    EXPECT_EQ(clip.put("Cols", number(3)), status::ok);
    return clip;
}

class PictureClipCells : public LibraryMembers, public ::testing::WithParamInterface<int>
{
};

TEST_P(PictureClipCells, AreFilesOfTheirPartOfThePicture)
{
    QTemporaryDir folder;
    Control &clip = gridOfCells(one("PicClip.PictureClip"), cellsPicture(folder));
    Variant path;
    ASSERT_EQ(clip.call("GraphicCell", std::array { number(GetParam()) }, path), status::ok)
        << lastError().toStdString();
    const QImage cell(path.toString().value_or(QString()));
    ASSERT_FALSE(cell.isNull()) << path.toString().value_or(QString()).toStdString();
    EXPECT_EQ(cell.size(), QSize(10, 8));
    EXPECT_EQ(cell.pixelColor(0, 0).rgb(), cellColour(GetParam()).rgb());
    EXPECT_EQ(cell.pixelColor(9, 7).rgb(), cellColour(GetParam()).rgb());
}

INSTANTIATE_TEST_SUITE_P(EachIndex, PictureClipCells, ::testing::Range(0, 6));

TEST_F(LibraryMembers, PictureClipClipsItsRegion)
{
    QTemporaryDir folder;
    Control &clip = gridOfCells(one("PicClip.PictureClip"), cellsPicture(folder));
    for (const auto &[property, value] :
         { std::pair { "ClipX", 5 }, { "ClipY", 4 }, { "ClipWidth", 10 }, { "ClipHeight", 8 } })
        ASSERT_EQ(clip.put(property, number(value)), status::ok) << property;
    const QImage region(read(clip, "Clip").toString().value_or(QString()));
    ASSERT_EQ(region.size(), QSize(10, 8));
    EXPECT_EQ(region.pixelColor(0, 0).rgb(), cellColour(0).rgb());
    EXPECT_EQ(region.pixelColor(9, 7).rgb(), cellColour(4).rgb());
    EXPECT_EQ(read(clip, "CellWidth"), number(10));
}

// --- The chart's data ---

TEST_F(LibraryMembers, ChartKeepsEachValueAtItsRowAndColumn)
{
    Control &chart = one("MSChart20Lib.MSChart");
    ASSERT_EQ(chart.put("RowCount", number(3)), status::ok);
    ASSERT_EQ(chart.put("ColumnCount", number(2)), status::ok);
    const auto at = [&](int row, int column) {
        EXPECT_EQ(chart.put("Row", number(row)), status::ok);
        EXPECT_EQ(chart.put("Column", number(column)), status::ok);
    };
    for (int row = 1; row <= 3; ++row) {
        for (int column = 1; column <= 2; ++column) {
            at(row, column);
            ASSERT_EQ(chart.put("Data", Variant(row * 10.0 + column + 0.5)), status::ok);
        }
    }
    for (int row = 1; row <= 3; ++row) {
        for (int column = 1; column <= 2; ++column) {
            at(row, column);
            EXPECT_EQ(read(chart, "Data"), Variant(row * 10.0 + column + 0.5)) << row << ", " << column;
        }
    }
}

QStringList labelsShown(QWidget *view, const char *className, const char *property)
{
    QStringList labels;
    for (const QObject *child : chartOf(view)->findChildren<QObject *>()) {
        if (child->inherits(className))
            labels << child->property(property).toStringList();
    }
    return labels;
}

TEST_F(LibraryMembers, ChartLabelsItsCurrentRowAndColumn)
{
    Control &chart = one("MSChart20Lib.MSChart");
    ASSERT_EQ(chart.put("Row", number(2)), status::ok);
    ASSERT_EQ(chart.put("RowLabel", textOf("Spring")), status::ok);
    ASSERT_EQ(chart.put("Column", number(3)), status::ok);
    ASSERT_EQ(chart.put("ColumnLabel", textOf("North")), status::ok);
    ASSERT_EQ(chart.put("TitleText", textOf("Sales")), status::ok);
    EXPECT_EQ(read(chart, "RowLabel"), textOf("Spring"));
    EXPECT_EQ(read(chart, "ColumnLabel"), textOf("North"));
    QWidget *view = widgetOf(chart);
    EXPECT_EQ(labelsShown(view, "QBarCategoryAxis", "categories"),
              QStringList({ "R1", "Spring", "R3", "R4", "R5" }));
    EXPECT_EQ(labelsShown(view, "QBarSet", "label"), QStringList({ "C1", "C2", "North", "C4" }));
    EXPECT_EQ(chartOf(view)->property("title").toString(), QStringLiteral("Sales"));
    ASSERT_EQ(chart.put("RowCount", number(1)), status::ok);
    EXPECT_EQ(read(chart, "Row"), number(1)) << "the row follows the rows that are left";
}

class ChartClicks : public LibraryMembers, public ::testing::WithParamInterface<int>
{
};

TEST_P(ChartClicks, NameThePointClicked)
{
    const manifest::ClassRecord &c = *manifest::findClass("MSChart20Lib.MSChart");
    TestLayout &layout = layouts.emplace_back();
    layout.add(c.instance, c.progId, 120, 120, 4000, 3000, defaultBlock(c, 4000, 3000));
    Form &form = *forms.emplace_back(runtime->adoptForm(new Form(*runtime, layout.description)));
    std::vector<Variant> arguments;
    form.bind(c.instance, "PointSelected", [&](std::span<Variant> given) {
        arguments.assign(given.begin(), given.end());
        return status::ok;
    });
    ASSERT_EQ(form.Show(), status::ok) << lastError().toStdString();
    Control &chart = *findControl(form, c.instance);
    clickTheOnlyPoint(chart, widgetOf(chart), GetParam());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !arguments.empty(); }, 5000)) << "never raised";
    ASSERT_EQ(arguments.size(), 4u);
    EXPECT_EQ(arguments[0], Variant(std::int16_t { 1 })) << "Series";
    EXPECT_EQ(arguments[1], Variant(std::int16_t { 1 })) << "DataPoint";
    EXPECT_EQ(arguments[2], Variant(std::int16_t { 0 })) << "MouseFlags";
}

INSTANTIATE_TEST_SUITE_P(BarsAndPies, ChartClicks, ::testing::Values(bars2d, pies2d));

// --- The system information ---

// The kernel's release as /proc says it, "6.1.0-18-amd64".
QString kernelRelease()
{
    QFile file(QStringLiteral("/proc/sys/kernel/osrelease"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).trimmed()
                                          : QSysInfo::kernelVersion();
}

TEST_F(LibraryMembers, SysInfoSaysWhatTheMachineSays)
{
    Control &sysInfo = one("SysInfoLib.SysInfo");
    const QStringList numbers = kernelRelease().section(QLatin1Char('-'), 0, 0).split(QLatin1Char('.'));
    ASSERT_GE(numbers.size(), 3);
    EXPECT_EQ(read(sysInfo, "OSVersion"), Variant((numbers[0] + QLatin1Char('.') + numbers[1]).toFloat()));
    EXPECT_EQ(read(sysInfo, "OSBuild"), Variant(static_cast<std::int16_t>(numbers[2].toInt())));

    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const std::pair<const char *, int> workArea[] { { "WorkAreaLeft", area.x() },
                                                    { "WorkAreaTop", area.y() },
                                                    { "WorkAreaWidth", area.width() },
                                                    { "WorkAreaHeight", area.height() } };
    for (const auto &[property, pixels] : workArea)
        EXPECT_EQ(read(sysInfo, property), Variant(float(pixels * 15))) << property;
}

// Where the kernel lists no power supply, the control says it does not know, and that there is no battery.
TEST_F(LibraryMembers, SysInfoSaysThePowerIsUnknownWhereTheMachineDoesNotSay)
{
    const QDir supplies(QStringLiteral("/sys/class/power_supply"));
    if (!supplies.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System).isEmpty())
        GTEST_SKIP() << "this machine says what its power supply is";
    Control &sysInfo = one("SysInfoLib.SysInfo");
    const std::pair<const char *, Variant> unknown[] {
        { "ACStatus", Variant(std::int16_t { 255 }) },
        { "BatteryFullTime", number(-1) },
        { "BatteryLifePercent", Variant(std::int16_t { 255 }) },
        { "BatteryLifeTime", number(-1) },
        { "BatteryStatus", Variant(static_cast<std::int16_t>(supplies.exists() ? 128 : 255)) },
    };
    for (const auto &[property, value] : unknown)
        EXPECT_EQ(read(sysInfo, property), value) << property;
}

// --- The multimedia control ---

TEST_F(LibraryMembers, MMControlButtonCancelledByItsHandlerRunsNoCommand)
{
    const manifest::ClassRecord &c = *manifest::findClass("MCI.MMControl");
    TestLayout &layout = layouts.emplace_back();
    layout.add(c.instance, c.progId, 120, 120, 4000, 600, defaultBlock(c, 4000, 600));
    Form &form = *forms.emplace_back(runtime->adoptForm(new Form(*runtime, layout.description)));
    int clicks = 0;
    form.bind(c.instance, "PlayClick", [&](std::span<Variant> given) {
        ++clicks;
        given[0] = Variant(static_cast<std::int16_t>(clicks == 1 ? -1 : 0)); // the first click is cancelled
        return status::ok;
    });
    ASSERT_EQ(form.Show(), status::ok) << lastError().toStdString();
    Control &player = *findControl(form, c.instance);
    ASSERT_EQ(player.put("PlayEnabled", Variant(true)), status::ok);
    auto *play = widgetOf(player)->findChild<QToolButton *>(QStringLiteral("Play"));
    ASSERT_NE(play, nullptr);
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(read(player, "Error"), Variant(std::int16_t { 0 })) << "the cancelled click ran no command";
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(read(player, "Error"), Variant(std::int16_t { 68 })) << "Play found no device";
    EXPECT_TRUE(read(player, "ErrorMessage")
                    .toString()
                    .value_or(QString())
                    .contains(QStringLiteral("no device is open")));
}

TEST_F(LibraryMembers, MMControlNotifiesTheEndOfTheNextCommandOnly)
{
    const manifest::ClassRecord &c = *manifest::findClass("MCI.MMControl");
    TestLayout &layout = layouts.emplace_back();
    layout.add(c.instance, c.progId, 120, 120, 4000, 600, defaultBlock(c, 4000, 600));
    Form &form = *forms.emplace_back(runtime->adoptForm(new Form(*runtime, layout.description)));
    std::vector<Variant> codes;
    form.bind(c.instance, "Done", [&](std::span<Variant> given) {
        codes.push_back(given[0]);
        return status::ok;
    });
    ASSERT_EQ(form.Show(), status::ok) << lastError().toStdString();
    Control &player = *findControl(form, c.instance);
    ASSERT_EQ(player.put("Notify", Variant(true)), status::ok);
    EXPECT_EQ(player.put("Command", textOf("Open")), status::deviceUnavailable);
    EXPECT_EQ(read(player, "Notify"), Variant(false)) << "Notify was for that command";
    EXPECT_EQ(player.put("Command", textOf("Close")), status::ok);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !codes.empty(); }, 5000));
    ASSERT_EQ(player.put("Notify", Variant(true)), status::ok);
    EXPECT_EQ(player.put("Command", textOf("close")), status::ok);
    ASSERT_TRUE(QTest::qWaitFor([&] { return codes.size() == 2; }, 5000));
    EXPECT_EQ(codes, (std::vector<Variant> { Variant(std::int16_t { 8 }), Variant(std::int16_t { 1 }) }))
        << "mciFailure for Open, mciSuccessful for Close";
    EXPECT_EQ(read(player, "Mode"), number(524)) << "mciModeNotOpen";
}

// --- The event and refusal tables ---

void clickButton(QWidget *control, const char *name)
{
    auto *button = control->findChild<QToolButton *>(QLatin1String(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

INSTANTIATE_TEST_SUITE_P(
    MediaAndDialogs, LibraryEvents,
    ::testing::Values(EventCase { "ChartPointSelectedByClickingABar", "MSChart20Lib.MSChart", "PointSelected",
                                  [](Control &c, QWidget *w) { clickTheOnlyPoint(c, w, bars2d); } },
                      EventCase { "MMControlPlayClickOnItsButton", "MCI.MMControl", "PlayClick",
                                  [](Control &c, QWidget *w) {
                                      ASSERT_EQ(c.put("PlayEnabled", Variant(true)), status::ok);
                                      clickButton(w, "Play");
                                  } },
                      EventCase { "MMControlEjectClickOnItsButton", "MCI.MMControl", "EjectClick",
                                  [](Control &c, QWidget *w) {
                                      ASSERT_EQ(c.put("EjectEnabled", Variant(true)), status::ok);
                                      clickButton(w, "Eject");
                                  } },
                      EventCase { "MMControlDoneAfterANotifiedCommand", "MCI.MMControl", "Done",
                                  [](Control &c, QWidget *) {
                                      ASSERT_EQ(c.put("Notify", Variant(true)), status::ok);
                                      ASSERT_EQ(c.put("Command", textOf("Close")), status::ok);
                                  } },
                      EventCase { "MMControlStatusUpdateEachInterval", "MCI.MMControl", "StatusUpdate",
                                  [](Control &c, QWidget *) {
                                      ASSERT_EQ(c.put("UpdateInterval", number(10)), status::ok);
                                  } },
                      EventCase { "SysInfoDisplayChangedWhenTheWorkAreaChanges", "SysInfoLib.SysInfo",
                                  "DisplayChanged",
                                  [](Control &, QWidget *) {
                                      // What the platform says when a panel appears or the resolution
                                      // changes.
                                      QScreen *screen = QGuiApplication::primaryScreen();
                                      emit screen->availableGeometryChanged(
                                          screen->availableGeometry().adjusted(0, 0, 0, -30));
                                  } }),
    [](const auto &row) { return rowName(row); });

INSTANTIATE_TEST_SUITE_P(
    MediaAndDialogs, LibraryRefusals,
    ::testing::Values(
        Refusal { "ChartIn3d", "MSChart20Lib.MSChart",
                  [](Control &c) { return c.put("ChartType", number(0)); }, status::invalidPropertyValue,
                  "ChartType = 0: the chart here draws in two dimensions only" },
        Refusal { "ChartStepsNotDrawn", "MSChart20Lib.MSChart",
                  [](Control &c) { return c.put("ChartType", number(7)); }, status::invalidPropertyValue,
                  "bars (1), lines (3), areas (5) or pies (14)" },
        Refusal { "ChartRowPastRowCount", "MSChart20Lib.MSChart",
                  [](Control &c) { return c.put("Row", number(6)); }, status::invalidPropertyValue,
                  "Row = 6: the row is 1 to RowCount (5)" },
        Refusal { "ChartColumnCountBeyondSixteen", "MSChart20Lib.MSChart",
                  [](Control &c) { return c.put("ColumnCount", number(17)); }, status::invalidPropertyValue,
                  "ColumnCount is 1 to 16" },
        Refusal { "DialogFilterOfOddParts", "MSComDlg.CommonDialog",
                  [](Control &c) { return c.put("Filter", textOf("Text (*.txt)|*.txt|All")); },
                  status::invalidPropertyValue, "a filter is pairs of description and pattern" },
        Refusal { "DialogColourBeyondThreeBytes", "MSComDlg.CommonDialog",
                  [](Control &c) { return c.put("Color", number(0x1000000)); }, status::invalidPropertyValue,
                  "a colour is 0 to &HFFFFFF" },
        Refusal { "AnimationOpenAFileThatIsNotThere", "MSComCtl2.Animation",
                  [](Control &c) { return c.call("Open", { textOf("/nowhere/clip.avi") }); },
                  status::fileNotFound, "Open: there is no file /nowhere/clip.avi" },
        Refusal { "AnimationOpenAnAviClip", "MSComCtl2.Animation",
                  [](Control &c) {
                      QTemporaryDir folder;
                      const QString clip
                          = writtenFile(folder, "clip.avi", QByteArray("RIFF\x10\0\0\0AVI LIST", 16));
                      return c.call("Open", { Variant(clip) });
                  },
                  status::badFileFormat,
                  "clip.avi cannot be played: it is no animated picture this control reads" },
        Refusal { "AnimationOpenAStillPicture", "MSComCtl2.Animation",
                  [](Control &c) {
                      QTemporaryDir folder;
                      const QString still = folder.filePath(QStringLiteral("still.png"));
                      QImage(4, 4, QImage::Format_RGB32).save(still);
                      return c.call("Open", { Variant(still) });
                  },
                  status::badFileFormat, "it is a still png picture, not a clip" },
        Refusal { "AnimationPlayPastTheLastFrame", "MSComCtl2.Animation",
                  [](Control &c) {
                      QTemporaryDir folder;
                      EXPECT_EQ(c.call("Open", { Variant(writtenFile(folder, "clip.gif", redThenBlue())) }),
                                status::ok);
                      return c.call("Play", { number(1), number(0), number(2) });
                  },
                  status::invalidArgument, "the clip's frames are 0 to 1" },
        Refusal { "MMControlOpenWithNoMediaPlayer", "MCI.MMControl",
                  [](Control &c) {
                      EXPECT_EQ(c.put("DeviceType", textOf("WaveAudio")), status::ok);
                      return c.put("Command", textOf("Open"));
                  },
                  status::deviceUnavailable, "no device \"WaveAudio\" can be opened on this machine" },
        Refusal { "MMControlPlayWithNothingOpen", "MCI.MMControl",
                  [](Control &c) { return c.put("Command", textOf("Play")); }, status::deviceUnavailable,
                  "Command = \"Play\": no device is open" },
        Refusal { "MMControlUnknownCommand", "MCI.MMControl",
                  [](Control &c) { return c.put("Command", textOf("Rewind")); }, status::invalidPropertyValue,
                  "not a command of the control: Open, Close, Play" },
        Refusal { "PictureClipIndexOutsideTheGrid", "PicClip.PictureClip",
                  [](Control &c) {
                      QTemporaryDir folder;
                      gridOfCells(c, cellsPicture(folder));
                      Variant cell;
                      return c.call("GraphicCell", std::array { number(6) }, cell);
                  },
                  status::invalidPropertyValue, "GraphicCell: Index is 0 to 5 (Rows 2 x Cols 3)" },
        Refusal { "PictureClipCellWithNoPicture", "PicClip.PictureClip",
                  [](Control &c) {
                      Variant cell;
                      return c.call("GraphicCell", std::array { number(0) }, cell);
                  },
                  status::invalidPicture, "there is no Picture to cut into cells" },
        Refusal { "PictureClipPictureThatIsNotThere", "PicClip.PictureClip",
                  [](Control &c) { return c.put("Picture", textOf("/nowhere/cells.png")); },
                  status::fileNotFound, "there is no file /nowhere/cells.png" },
        Refusal { "PictureClipRegionOutsideThePicture", "PicClip.PictureClip",
                  [](Control &c) {
                      QTemporaryDir folder;
                      gridOfCells(c, cellsPicture(folder));
                      EXPECT_EQ(c.put("ClipWidth", number(40)), status::ok);
                      EXPECT_EQ(c.put("ClipHeight", number(4)), status::ok);
                      Variant region;
                      return c.get("Clip", region);
                  },
                  status::invalidPropertyValue, "reaches outside the picture (30 x 16)" },
        Refusal { "PictureClipNoRows", "PicClip.PictureClip",
                  [](Control &c) { return c.put("Rows", number(0)); }, status::invalidPropertyValue,
                  "Rows is 1 to 1024" }),
    [](const auto &row) { return rowName(row); });

} // namespace
} // namespace qv::test
