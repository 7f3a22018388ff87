// The common controls module: each class made from its own block through the real module, what the stand-in
// shows for its saved state, and malformed blocks refused with a message naming the fault.

#include "support/control_module_cases.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QPluginLoader>
#include <QWidget>

namespace qv::test
{
namespace
{

using settings::twipsToHimetric;

constexpr auto tabStrip = manifestClassId("MSComctlLib.TabStrip");
constexpr auto toolbar = manifestClassId("MSComctlLib.Toolbar");
constexpr auto statusBar = manifestClassId("MSComctlLib.StatusBar");
constexpr auto progressBar = manifestClassId("MSComctlLib.ProgressBar");
constexpr auto treeView = manifestClassId("MSComctlLib.TreeView");
constexpr auto listView = manifestClassId("MSComctlLib.ListView");
constexpr auto imageList = manifestClassId("MSComctlLib.ImageList");
constexpr auto slider = manifestClassId("MSComctlLib.Slider");
constexpr auto imageCombo = manifestClassId("MSComctlLib.ImageCombo");

// Blocks of the sizes the showcase window stores, with the saved state each class reads.
constexpr auto tabStripBlock = settings::makeBlock<106>(
    twipsToHimetric(1815), twipsToHimetric(375),
    std::array { Property::integer("Tabs", 1), Property::string("TabCaption(1)", "Tab 1") });
constexpr auto toolbarBlock = settings::makeBlock<104>(twipsToHimetric(13530), twipsToHimetric(630),
                                                       std::array { Property::integer("Buttons", 0) });
constexpr auto statusBarBlock = settings::makeBlock<104>(
    twipsToHimetric(13530), twipsToHimetric(495),
    std::array { Property::integer("Panels", 1), Property::string("PanelText(1)", "") });
constexpr auto progressBarBlock = settings::makeBlock<80>(
    twipsToHimetric(1935), twipsToHimetric(435),
    std::array { Property::integer("Min", 0), Property::integer("Max", 100), Property::integer("Value", 0) });
constexpr auto treeViewBlock = settings::makeBlock<90>(twipsToHimetric(1815), twipsToHimetric(1695),
                                                       std::array { Property::integer("Indentation", 20) });
constexpr auto listViewBlock = settings::makeBlock<98>(twipsToHimetric(1935), twipsToHimetric(1695),
                                                       std::array { Property::integer("View", 0) });
constexpr auto imageListBlock = settings::makeBlock<76>(
    1005, 1005, std::array { Property::integer("ImageWidth", 16), Property::integer("ImageHeight", 16) });
constexpr auto sliderBlock = settings::makeBlock<116>(
    twipsToHimetric(3015), twipsToHimetric(255),
    std::array { Property::integer("Min", 0), Property::integer("Max", 10), Property::integer("Value", 0),
                 Property::integer("TickFrequency", 1), Property::integer("Orientation", 0),
                 Property::integer("TickStyle", 0) });
constexpr auto imageComboBlock = settings::makeBlock<106>(
    twipsToHimetric(3135), twipsToHimetric(330), std::array { Property::string("Text", "ImageCombo1") });

// A block holding nothing after its head: every property takes its default.
constexpr auto headOnlyBlock = settings::makeBlock<18>(1005, 1005, noState);

using test::PrintTo;

// What the runtime reads from the module before loading it.
QJsonObject moduleMetadata()
{
    return QPluginLoader(builtModuleDir() + QStringLiteral("/mscomctl.so"))
        .metaData()
        .value(u"MetaData")
        .toObject();
}

QJsonObject classMetadata(QStringView clsid)
{
    for (const QJsonValue &entry : moduleMetadata().value(u"classes").toArray()) {
        if (entry.toObject().value(u"clsid").toString() == clsid)
            return entry.toObject();
    }
    return {};
}

QString describe(const QObject *object)
{
    return object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("nothing");
}

// ---- Every class, from a block of its own

struct ClassRow {
    const char *name;
    const char *progId; // after "MSComctlLib."
    QStringView clsid;
    std::span<const std::byte> block;
    const char *madeOf; // the Qt class the stand-in is, or inherits
    bool visible;
};

class EachClass : public ::testing::TestWithParam<ClassRow>
{
};

TEST_P(EachClass, IsMadeAsAChildOfTheContainer)
{
    const ClassRow &row = GetParam();
    QWidget container;
    const QObject *made = madeChild(create("mscomctl", row.clsid, row.block, container), container);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->isWidgetType(), row.visible);
    EXPECT_TRUE(made->inherits(row.madeOf)) << qPrintable(describe(made));
}

TEST_P(EachClass, IsListedInTheMetadataAsItIsMade)
{
    const ClassRow &row = GetParam();
    const QJsonObject listed = classMetadata(row.clsid);
    EXPECT_EQ(listed.value(u"progId").toString(),
              QStringLiteral("MSComctlLib.%1").arg(QLatin1String(row.progId)));
    EXPECT_EQ(listed.value(u"visible").toBool(!row.visible), row.visible);
}

INSTANTIATE_TEST_SUITE_P(
    MSComctlLibModule, EachClass,
    ::testing::Values(
        ClassRow { "TabStrip", "TabStrip", tabStrip, tabStripBlock, "QTabBar", true },
        ClassRow { "Toolbar", "Toolbar", toolbar, toolbarBlock, "QToolBar", true },
        ClassRow { "StatusBar", "StatusBar", statusBar, statusBarBlock, "QStatusBar", true },
        ClassRow { "ProgressBar", "ProgressBar", progressBar, progressBarBlock, "QProgressBar", true },
        ClassRow { "TreeView", "TreeView", treeView, treeViewBlock, "QTreeWidget", true },
        ClassRow { "ListView", "ListView", listView, listViewBlock, "QListWidget", true },
        ClassRow { "ImageList", "ImageList", imageList, imageListBlock, "QObject", false },
        ClassRow { "Slider", "Slider", slider, sliderBlock, "QSlider", true },
        ClassRow { "ImageCombo", "ImageCombo", imageCombo, imageComboBlock, "QComboBox", true },
        ClassRow { "ImageListWithDefaults", "ImageList", imageList, headOnlyBlock, "QObject", false },
        ClassRow { "SliderWithDefaults", "Slider", slider, headOnlyBlock, "QSlider", true }),
    rowName);

// ---- What a stand-in shows for its saved state

constexpr auto threeTabs = settings::makeBlock<64>(
    100, 100, std::array { Property::integer("Tabs", 3), Property::string("TabCaption(3)", "Totals") });
constexpr auto reportView = settings::makeBlock<32>(100, 100, std::array { Property::integer("View", 3) });
constexpr auto verticalSlider
    = settings::makeBlock<64>(100, 100,
                              std::array { Property::integer("Value", 7), Property::integer("Orientation", 1),
                                           Property::integer("TickStyle", 3) });
constexpr auto largeImages = settings::makeBlock<64>(
    1005, 1005, std::array { Property::integer("ImageWidth", 32), Property::integer("ImageHeight", 24) });
constexpr auto threePanels = settings::makeBlock<32>(100, 100, std::array { Property::integer("Panels", 3) });
constexpr auto twoButtons = settings::makeBlock<64>(
    100, 100, std::array { Property::integer("Buttons", 2), Property::string("ButtonCaption(2)", "Open") });

struct LookRow {
    const char *name;
    QStringView clsid;
    std::span<const std::byte> block;
    const char *property; // a property of the object the module gives back
    const char *shows; // its value, as text
};

class Looks : public ::testing::TestWithParam<LookRow>
{
};

TEST_P(Looks, AsTheSavedStateSays)
{
    const LookRow &row = GetParam();
    QWidget container;
    const QObject *made = madeChild(create("mscomctl", row.clsid, row.block, container), container);
    ASSERT_NE(made, nullptr);
    const QVariant value = made->property(row.property);
    ASSERT_TRUE(value.isValid()) << describe(made).toStdString() << " has no property " << row.property;
    EXPECT_EQ(value.toString().toStdString(), row.shows);
}

INSTANTIATE_TEST_SUITE_P(
    MSComctlLibModule, Looks,
    ::testing::Values(
        LookRow { "ImageComboShowsItsText", imageCombo, imageComboBlock, "currentText", "ImageCombo1" },
        LookRow { "ImageComboIsEditable", imageCombo, imageComboBlock, "editable", "true" },
        LookRow { "TabStripHasOneTab", tabStrip, tabStripBlock, "count", "1" },
        LookRow { "TabStripHasTheStoredTabs", tabStrip, threeTabs, "count", "3" },
        LookRow { "ProgressBarStartsAtZero", progressBar, progressBarBlock, "value", "0" },
        LookRow { "ProgressBarShowsNoText", progressBar, progressBarBlock, "textVisible", "false" },
        LookRow { "TreeViewHasNoHeader", treeView, treeViewBlock, "headerHidden", "true" },
        LookRow { "ListViewShowsLargeIcons", listView, listViewBlock, "viewMode", "IconMode" },
        LookRow { "ListViewReportHasAHeader", listView, reportView, "headerHidden", "false" },
        LookRow { "SliderRunsToTen", slider, headOnlyBlock, "maximum", "10" },
        LookRow { "SliderTicksBelow", slider, sliderBlock, "tickPosition", "TicksBelow" },
        LookRow { "SliderStandsUpright", slider, verticalSlider, "orientation", "Vertical" },
        LookRow { "SliderWithoutTicks", slider, verticalSlider, "tickPosition", "NoTicks" },
        LookRow { "SliderAtItsValue", slider, verticalSlider, "value", "7" },
        LookRow { "ImageListIs16Wide", imageList, headOnlyBlock, "ImageWidth", "16" },
        LookRow { "ImageListIs16High", imageList, headOnlyBlock, "ImageHeight", "16" },
        LookRow { "ImageListHasTheStoredHeight", imageList, largeImages, "ImageHeight", "24" }),
    rowName);

// Panels and buttons are parts of the bar rather than properties of it.
TEST(MSComctlLibModule, StatusBarAndToolbarHoldTheStoredPanelsAndButtons)
{
    QWidget container;
    const QObject *bar = madeChild(create("mscomctl", statusBar, threePanels, container), container);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->findChildren<QLabel *>().size(), 3);

    const QWidget *tools = madeChild<QWidget>(create("mscomctl", toolbar, twoButtons, container), container);
    ASSERT_NE(tools, nullptr);
    const QList<QAction *> buttons = tools->actions();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[1]->text(), QStringLiteral("Open"));
}

// ---- Malformed blocks

constexpr auto tooManyTabs = settings::makeBlock<32>(100, 100, std::array { Property::integer("Tabs", 99) });
constexpr auto tooManyButtons
    = settings::makeBlock<32>(100, 100, std::array { Property::integer("Buttons", 65) });
constexpr auto noPanels = settings::makeBlock<32>(100, 100, std::array { Property::integer("Panels", 0) });
constexpr auto maxBelowMin = settings::makeBlock<48>(
    100, 100, std::array { Property::integer("Min", 50), Property::integer("Max", 10) });
constexpr auto valuePastMax
    = settings::makeBlock<32>(100, 100, std::array { Property::integer("Value", 11) });
constexpr auto negativeIndentation
    = settings::makeBlock<48>(100, 100, std::array { Property::integer("Indentation", -1) });
constexpr auto unknownView = settings::makeBlock<32>(100, 100, std::array { Property::integer("View", 4) });
constexpr auto zeroWidthImages
    = settings::makeBlock<48>(1005, 1005, std::array { Property::integer("ImageWidth", 0) });
constexpr auto unknownTickStyle
    = settings::makeBlock<48>(100, 100, std::array { Property::integer("TickStyle", 4) });
constexpr auto numberAsText = settings::makeBlock<32>(100, 100, std::array { Property::integer("Text", 1) });
constexpr auto textAsNumber
    = settings::makeBlock<48>(100, 100, std::array { Property::string("Max", "ten") });

using RefusesMalformed = MalformedBlockTest;
TEST_P(RefusesMalformed, WithAMessageNamingTheFault)
{
    expectRefused("mscomctl", GetParam());
}
INSTANTIATE_TEST_SUITE_P(
    MSComctlLibModule, RefusesMalformed,
    ::testing::Values(
        MalformedBlock { "WrongMarker", imageCombo, withWrongMarker(imageComboBlock),
                         "not the marker 0x12344321" },
        MalformedBlock { "CutInsideTheHead", slider, cutTo(sliderBlock, 8), "16-byte head" },
        MalformedBlock { "CutInsideAText", imageCombo, cutTo(imageComboBlock, 30), "text of Text runs past" },
        MalformedBlock { "CutInsideANumber", progressBar, cutTo(progressBarBlock, 25),
                         "value of Min runs past" },
        MalformedBlock { "Empty", imageList, {}, "16-byte head" },
        MalformedBlock { "TooManyTabs", tabStrip, tooManyTabs, "Tabs is 99" },
        MalformedBlock { "TooManyButtons", toolbar, tooManyButtons, "Buttons is 65" },
        MalformedBlock { "NoPanels", statusBar, noPanels, "Panels is 0" },
        MalformedBlock { "ProgressMaxBelowMin", progressBar, maxBelowMin, "Max is 10, not above Min 50" },
        MalformedBlock { "SliderMaxBelowMin", slider, maxBelowMin, "Max is 10, not above Min 50" },
        MalformedBlock { "SliderValuePastMax", slider, valuePastMax, "Value is 11" },
        MalformedBlock { "NegativeIndentation", treeView, negativeIndentation, "Indentation is -1" },
        MalformedBlock { "UnknownView", listView, unknownView, "View is 4" },
        MalformedBlock { "ZeroWidthImages", imageList, zeroWidthImages, "ImageWidth is 0" },
        MalformedBlock { "UnknownTickStyle", slider, unknownTickStyle, "TickStyle is 4" },
        MalformedBlock { "NumberForText", imageCombo, numberAsText, "Text holds a number" },
        MalformedBlock { "TextForNumber", progressBar, textAsNumber, "Max holds a text" }),
    rowName);

TEST(MSComctlLibModule, NamesItsLibraryAndItsNineClasses)
{
    const QJsonObject metadata = moduleMetadata();
    EXPECT_EQ(metadata.value(u"libraryFile").toString(), QStringLiteral("MSCOMCTL.OCX"));
    EXPECT_EQ(metadata.value(u"typeLibrary").toString(), QStringLiteral("MSComctlLib"));
    EXPECT_EQ(metadata.value(u"version").toString(), QStringLiteral("2.1"));
    EXPECT_EQ(metadata.value(u"classes").toArray().size(), 9);
}

TEST(MSComctlLibModule, RefusesAClassItDoesNotHave)
{
    constexpr auto tabbedDialog = manifestClassId("TabDlg.SSTab");
    QWidget container;
    const std::string named(manifest::findClass("TabDlg.SSTab")->clsid);
    EXPECT_TRUE(
        isRefused(create("mscomctl", tabbedDialog, imageComboBlock, container), container, named.c_str()));
}

} // namespace
} // namespace qv::test
