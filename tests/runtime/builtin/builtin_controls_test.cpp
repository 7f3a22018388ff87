// The built-in control classes, loaded through a form from a small stored layout of their own, as a user
// sees them: what kind of control each is, what it shows and where.

#include "runtime/core/control_private.h"
#include "runtime/core/form_private.h"
#include "runtime/start/standard_runtime.h"
#include "support/builtin_layout.h"
#include "support/named_rows.h"
#include "support/recording_host.h"
#include "support/stored_values.h"
#include <quorvane/form.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace qv
{
namespace
{

using test::builtinControls;
using test::builtinLayout;

const ControlRecord &recordOf(std::string_view name)
{
    return *std::find_if(builtinControls.begin(), builtinControls.end(),
                         [&](const ControlRecord &r) { return r.name == name; });
}

// What the user reads on a control: its caption, title or text.
std::optional<QString> shownText(const QWidget &widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        return button->text();
    if (const auto *box = qobject_cast<const QGroupBox *>(&widget))
        return box->title();
    if (const auto *combo = qobject_cast<const QComboBox *>(&widget))
        return combo->currentText();
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        return label->text();
    if (const auto *edit = qobject_cast<const QLineEdit *>(&widget))
        return edit->text();
    return std::nullopt;
}

// The names a list shows at the top of its view.
QStringList listedNames(const QAbstractItemView &view)
{
    QStringList names;
    if (const QAbstractItemModel *model = view.model()) {
        for (int row = 0; row < model->rowCount(view.rootIndex()); ++row)
            names << model->index(row, 0, view.rootIndex()).data().toString();
    }
    return names;
}

// The names under the directory list's selected entry, the current directory.
QStringList subdirectoryNames(const QTreeView &view)
{
    QStringList names;
    const QModelIndex current = view.currentIndex();
    if (current.isValid()) {
        for (int row = 0; row < view.model()->rowCount(current); ++row)
            names << view.model()->index(row, 0, current).data().toString();
    }
    return names;
}

// A bounded wait for a list that fills in from another thread.
bool eventually(const std::function<bool()> &condition)
{
    return QTest::qWaitFor(condition, 10000);
}

class BuiltinControl : public ::testing::Test
{
protected:
    ~BuiltinControl() override { unloadAll(); }

    void unloadAll()
    {
        form.reset();
        runtime.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Loads and shows the window; fails the test when it cannot.
    Form &shown()
    {
        form = runtime->adoptForm(new Form(*runtime, builtinLayout));
        const Status shownStatus = form->Show();
        EXPECT_EQ(shownStatus, status::ok) << runtime->takeErrorObject().description.toStdString();
        return *form;
    }

    QWidget *widgetNamed(std::string_view name) const
    {
        Control *control = findControl(*form, name);
        return control ? widgetOf(*control) : nullptr;
    }

    template<class T> T *as(std::string_view name) const { return qobject_cast<T *>(widgetNamed(name)); }

    QRect storedPlace(std::string_view name) const
    {
        const ControlRecord &r = recordOf(name);
        return runtime->scale().toPixels(r.left, r.top, r.width, r.height);
    }

    QColor colourAt(std::string_view name, QPoint inControl) const
    {
        const QWidget *widget = widgetNamed(name);
        return windowOf(*form)->grab().toImage().pixelColor(widget->mapTo(windowOf(*form), inControl));
    }

    QColor paletteColour(QPalette::ColorRole role) const { return windowOf(*form)->palette().color(role); }

    test::RecordingHost host;
    std::unique_ptr<StandardRuntime> runtime = std::make_unique<StandardRuntime>(host);
    ObjRef<Form> form;
};

struct ControlKind {
    const char *name;
    const char *qtClass;
    std::optional<const char *> text; // none where the control shows no caption or text of its own
};
using qv::test::PrintTo;

class BuiltinControlKind : public BuiltinControl, public ::testing::WithParamInterface<ControlKind>
{
};

TEST_P(BuiltinControlKind, IsShownAtItsStoredPlaceWithItsText)
{
    shown();
    const QWidget *widget = widgetNamed(GetParam().name);
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->inherits(GetParam().qtClass)) << widget->metaObject()->className();
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(widget->geometry(), storedPlace(GetParam().name));
    if (GetParam().text) {
        EXPECT_EQ(shownText(*widget), QString::fromLatin1(*GetParam().text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryClass, BuiltinControlKind,
    ::testing::Values(
        ControlKind { "Picture1", "QFrame", std::nullopt }, ControlKind { "Label1", "QLabel", "Label1" },
        ControlKind { "Text1", "QLineEdit", "Text1" }, ControlKind { "Combo1", "QComboBox", "Combo1" },
        ControlKind { "Drive1", "QComboBox", std::nullopt }, ControlKind { "Frame1", "QGroupBox", "Frame1" },
        ControlKind { "Option1", "QRadioButton", "Option1" }, ControlKind { "Check1", "QCheckBox", "Check1" },
        ControlKind { "Command1", "QPushButton", "Command1" },
        ControlKind { "List1", "QListWidget", std::nullopt },
        ControlKind { "Dir1", "QTreeView", std::nullopt }, ControlKind { "File1", "QListView", std::nullopt },
        ControlKind { "Shape1", "QWidget", std::nullopt }, ControlKind { "Image1", "QLabel", "" },
        ControlKind { "Data1", "QWidget", std::nullopt },
        ControlKind { "HScroll1", "QScrollBar", std::nullopt },
        ControlKind { "VScroll1", "QScrollBar", std::nullopt }),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(BuiltinControl, FrameHoldsItsChildrenInsideIt)
{
    shown();
    QWidget *frame = widgetNamed("Frame1");
    for (const char *child : { "Option1", "Check1", "Command1" }) {
        const QWidget *widget = widgetNamed(child);
        ASSERT_NE(widget, nullptr) << child;
        EXPECT_EQ(widget->parentWidget(), frame) << child;
        EXPECT_TRUE(frame->rect().contains(widget->geometry())) << child;
        EXPECT_TRUE(widget->isVisible()) << child;
    }
}

TEST_F(BuiltinControl, ComboBoxIsEditableAndDriveListIsNot)
{
    shown();
    EXPECT_TRUE(as<QComboBox>("Combo1")->isEditable());
    const auto *drives = as<QComboBox>("Drive1");
    EXPECT_FALSE(drives->isEditable());
    EXPECT_EQ(drives->currentData().toString(), QStorageInfo(QDir::currentPath()).rootPath());
}

struct ScrollBarRow {
    const char *name;
    Qt::Orientation orientation;
};

class BuiltinScrollBar : public BuiltinControl, public ::testing::WithParamInterface<ScrollBarRow>
{
};

TEST_P(BuiltinScrollBar, RunsTheClassicRange)
{
    shown();
    const auto *bar = as<QScrollBar>(GetParam().name);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->orientation(), GetParam().orientation);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 32767);
    EXPECT_EQ(bar->value(), 0);
}

INSTANTIATE_TEST_SUITE_P(BothDirections, BuiltinScrollBar,
                         ::testing::Values(ScrollBarRow { "HScroll1", Qt::Horizontal },
                                           ScrollBarRow { "VScroll1", Qt::Vertical }),
                         [](const auto &row) { return std::string(row.param.name); });

TEST_F(BuiltinControl, TimerHasNoWindowNeverRunsAndGoesWithTheWindow)
{
    shown();
    Control *timer = findControl(*form, "Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(widgetOf(*timer), nullptr);
    ASSERT_NE(objectOf(*timer), nullptr);
    const auto *clock = objectOf(*timer)->findChild<QTimer *>();
    ASSERT_NE(clock, nullptr);
    EXPECT_FALSE(clock->isActive());

    const QPointer<QObject> object = objectOf(*timer);
    unloadForm(*form);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(object.isNull());
}

TEST_F(BuiltinControl, DataControlShowsItsCaptionBetweenItsButtonsAndOpensNothing)
{
    shown();
    const QWidget *bar = widgetNamed("Data1");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->property("connect").toString(), QStringLiteral("Access 2000;"));
    EXPECT_TRUE(bar->property("databaseName").toString().isEmpty());
    EXPECT_TRUE(bar->property("recordSource").toString().isEmpty());

    QList<QAbstractButton *> buttons = bar->findChildren<QAbstractButton *>();
    ASSERT_EQ(buttons.size(), 4);
    std::sort(buttons.begin(), buttons.end(), [](auto *a, auto *b) { return a->x() < b->x(); });
    const auto *caption = bar->findChild<QLabel *>();
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), QStringLiteral("Data1"));
    EXPECT_TRUE(caption->isVisible());
    EXPECT_LE(buttons[1]->geometry().right(), caption->geometry().left());
    EXPECT_GE(buttons[2]->geometry().left(), caption->geometry().right());
    for (const QAbstractButton *button : buttons)
        EXPECT_TRUE(bar->rect().contains(button->geometry()));
}

TEST_F(BuiltinControl, PictureBoxIsFilledWithTheButtonFace)
{
    shown();
    const QRect place = widgetNamed("Picture1")->rect();
    EXPECT_EQ(colourAt("Picture1", place.center()), paletteColour(QPalette::Button));
}

TEST_F(BuiltinControl, ShapeIsAnOutlineInTheForegroundColour)
{
    shown();
    const QRect place = widgetNamed("Shape1")->rect();
    EXPECT_EQ(colourAt("Shape1", place.topLeft()), paletteColour(QPalette::WindowText));
    EXPECT_EQ(colourAt("Shape1", place.bottomRight()), paletteColour(QPalette::WindowText));
    EXPECT_EQ(colourAt("Shape1", place.center()), paletteColour(QPalette::Window))
        << "the fill is transparent";
}

class BuiltinLine : public BuiltinControl, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(BuiltinLine, CoversAndDrawsItsEndPoints)
{
    shown();
    const ControlRecord &r = recordOf(GetParam());
    const TwipsScale scale = runtime->scale();
    const QPoint from(scale.toPixelsX(r.left), scale.toPixelsY(r.top));
    const QPoint to(scale.toPixelsX(test::storedNumber(r, "X2")),
                    scale.toPixelsY(test::storedNumber(r, "Y2")));
    const QWidget *line = widgetNamed(GetParam());
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->geometry().contains(from));
    EXPECT_TRUE(line->geometry().contains(to));
    EXPECT_GE(line->height(), 1);
    EXPECT_GE(line->width(), 1);
    EXPECT_EQ(colourAt(GetParam(), line->mapFromParent(from)), paletteColour(QPalette::WindowText));
    EXPECT_EQ(colourAt(GetParam(), line->mapFromParent((from + to) / 2)),
              paletteColour(QPalette::WindowText));
}

INSTANTIATE_TEST_SUITE_P(EveryDirection, BuiltinLine, ::testing::Values("Line1", "Line2", "Line3"),
                         [](const auto &row) { return std::string(row.param); });

// The file-system lists read the current directory: each case runs in a temporary one of its own.
class BuiltinFileSystem : public BuiltinControl
{
protected:
    // The window, and the lists reading the scratch directory, go before it does.
    ~BuiltinFileSystem() override
    {
        unloadAll();
        QDir::setCurrent(previous_);
    }

    // A new directory inside the scratch one, made current.
    QString enterNewDirectory(const QString &name) const
    {
        const QString path = scratch_.filePath(name);
        EXPECT_TRUE(QDir().mkpath(path)) << path.toStdString();
        EXPECT_TRUE(QDir::setCurrent(path)) << path.toStdString();
        return path;
    }

    QTemporaryDir scratch_;

private:
    QString previous_ = QDir::currentPath();
};

TEST_F(BuiltinFileSystem, ListsShowTheCurrentDirectorysFilesAndSubdirectories)
{
    const QString here = enterNewDirectory(QStringLiteral("here"));
    QFile letter(QDir(here).filePath(QStringLiteral("letter.txt")));
    ASSERT_TRUE(letter.open(QIODevice::WriteOnly));
    letter.close();
    ASSERT_TRUE(QDir(here).mkdir(QStringLiteral("inner")));

    shown();
    const auto *files = as<QAbstractItemView>("File1");
    EXPECT_TRUE(eventually([&] {
        return listedNames(*files) == QStringList { QStringLiteral("letter.txt") };
    })) << listedNames(*files).join(u',').toStdString();

    const auto *directories = as<QTreeView>("Dir1");
    EXPECT_EQ(directories->currentIndex().data().toString(), QStringLiteral("here"));
    EXPECT_TRUE(eventually([&] {
        return subdirectoryNames(*directories) == QStringList { QStringLiteral("inner") };
    })) << subdirectoryNames(*directories).join(u',').toStdString();
    EXPECT_EQ(listedNames(*directories), QStringList { QDir::rootPath() }) << "the tree starts at the root";
}

// A directory far larger than anyone lists by hand: the window is loaded and shown before a single name has
// arrived (the names come from the reader's thread through the event loop), and then every name arrives.
TEST_F(BuiltinFileSystem, HugeDirectoryFillsInAfterTheLoad)
{
    constexpr int fileCount = 100000;
    const QString here = enterNewDirectory(QStringLiteral("huge"));
    const QByteArray prefix = QFile::encodeName(here) + "/f";
    for (int i = 0; i < fileCount; ++i) {
        const int fd = ::open((prefix + QByteArray::number(i)).constData(), O_CREAT | O_WRONLY, 0600);
        ASSERT_GE(fd, 0) << "file " << i << ": " << std::strerror(errno);
        ::close(fd);
    }

    shown();
    ASSERT_TRUE(isLoaded(*form));
    const auto *files = as<QAbstractItemView>("File1");
    ASSERT_NE(files, nullptr);
    EXPECT_TRUE(listedNames(*files).isEmpty()) << "the load waited for the directory to be read";
    EXPECT_TRUE(eventually([&] { return files->model()->rowCount(files->rootIndex()) == fileCount; }))
        << files->model()->rowCount(files->rootIndex()) << " names listed";
}

struct AwkwardDirectory {
    const char *name;
    // Prepares the current directory; returns the file names the file list is to show.
    std::function<QStringList(const QString &here)> prepare;
    // Removes what the scratch directory cannot remove by itself.
    std::function<void(const QString &here)> cleanUp = [](const QString &) {};
};

// "café.txt" in Latin-1, which is not valid UTF-8: only the raw bytes name the file.
QByteArray notUtf8Path(const QString &here)
{
    return QFile::encodeName(here) + "/caf\xe9.txt";
}

class BuiltinFileSystemCopes : public BuiltinFileSystem,
                               public ::testing::WithParamInterface<AwkwardDirectory>
{
};

TEST_P(BuiltinFileSystemCopes, LoadsAndShowsWhatCanBeRead)
{
    const QString here = enterNewDirectory(QStringLiteral("awkward"));
    const auto cleanUp = qScopeGuard([&] { GetParam().cleanUp(here); });
    const QStringList expected = GetParam().prepare(here);

    shown();
    ASSERT_TRUE(isLoaded(*form));
    const auto *files = as<QAbstractItemView>("File1");
    ASSERT_NE(files, nullptr);
    EXPECT_TRUE(eventually([&] { return listedNames(*files) == expected; }))
        << listedNames(*files).join(u',').toStdString();
    EXPECT_GE(as<QComboBox>("Drive1")->currentIndex(), 0) << "a volume is selected all the same";
}

INSTANTIATE_TEST_SUITE_P(
    Directories, BuiltinFileSystemCopes,
    ::testing::Values(AwkwardDirectory { "Unreadable",
                                         [](const QString &here) {
                                             EXPECT_EQ(::chmod(QFile::encodeName(here).constData(), 0), 0);
                                             return QStringList {};
                                         } },
                      AwkwardDirectory { "DeletedBeforeTheLoad",
                                         [](const QString &here) {
                                             EXPECT_TRUE(QDir(here).removeRecursively());
                                             return QStringList {};
                                         } },
                      AwkwardDirectory {
                          "NameNotUtf8",
                          [](const QString &here) {
                              const int fd = ::open(notUtf8Path(here).constData(), O_CREAT | O_WRONLY, 0600);
                              EXPECT_GE(fd, 0);
                              ::close(fd);
                              return QStringList { QStringLiteral("caf\uFFFD.txt") };
                          },
                          [](const QString &here) { ::unlink(notUtf8Path(here).constData()); } }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace qv
