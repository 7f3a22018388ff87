// The bars' and the image list's members through the runtime, as a program drives them by name: their
// collections (panels, buttons, tabs, bands, images) added to, found, removed and cleared; the clicks on an
// item reaching the handler with that item; what they refuse, said with whose collection and why.

#include "support/library_members_fixture.h"
#include <quorvane/object.h>

#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <array>

namespace qv::test
{
namespace
{

Variant str(const char *latin1)
{
    return Variant(QString::fromLatin1(latin1));
}

Variant number(std::int32_t value)
{
    return Variant(value);
}

// A small picture file, written for the test.
QString writePicture(const QTemporaryDir &dir, const char *name, int width = 8, int height = 6)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString path = dir.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(picture.save(path)) << path.toStdString();
    return path;
}

// The collection a control hands out, as the Variant that keeps its Object.
Variant collectionOf(Control &control, const char *name)
{
    Variant held;
    EXPECT_EQ(control.get(name, held), status::ok) << name;
    EXPECT_NE(objectOf(held), nullptr) << name << " is no object";
    return held;
}

Variant callOn(const Variant &object, const char *method, std::initializer_list<Variant> arguments)
{
    Variant result;
    EXPECT_EQ(
        objectOf(object)->call(method, std::span<const Variant>(arguments.begin(), arguments.size()), result),
        status::ok)
        << method;
    return result;
}

Variant read(const Variant &object, const char *property)
{
    Variant value;
    EXPECT_EQ(objectOf(object)->get(property, value), status::ok) << property;
    return value;
}

// A collection of a class: what it holds when the control is made, and the property that shows what Add's
// third argument gave (a caption, a text, or the picture's file).
struct CollectionCase {
    const char *name;
    std::string_view progId;
    const char *collection;
    std::int32_t made;
    const char *shown;
};

const CollectionCase collections[] = {
    { "StatusBarPanels", "MSComctlLib.StatusBar", "Panels", 1, "Text" },
    { "ToolbarButtons", "MSComctlLib.Toolbar", "Buttons", 0, "Caption" },
    { "TabStripTabs", "MSComctlLib.TabStrip", "Tabs", 1, "Caption" },
    { "CoolBarBands", "ComCtl3.CoolBar", "Bands", 3, "Caption" },
    { "ImageListListImages", "MSComctlLib.ImageList", "ListImages", 0, "Picture" },
};

class Collections : public LibraryMembers, public ::testing::WithParamInterface<CollectionCase>
{
protected:
    // Add's third argument: a text, or for an image list a picture file.
    Variant third(const char *text)
    {
        if (GetParam().shown == std::string_view("Picture"))
            return Variant(writePicture(dir, (std::string(text) + ".png").c_str()));
        return str(text);
    }

    QTemporaryDir dir;
};

TEST_P(Collections, AddFindRemoveAndClear)
{
    const CollectionCase &row = GetParam();
    const Variant items = collectionOf(one(row.progId), row.collection);
    EXPECT_EQ(read(items, "Count"), number(row.made));

    const Variant last = third("last");
    const Variant added = callOn(items, "Add", { Variant::missing(), str("last"), last });
    const Variant first = callOn(items, "Add", { number(1), str("first"), third("first") });
    EXPECT_EQ(read(items, "Count"), number(row.made + 2));
    EXPECT_EQ(read(first, "Index"), number(1));
    EXPECT_EQ(read(added, "Index"), number(row.made + 2));
    EXPECT_EQ(read(callOn(items, "Item", { number(1) }), "Key"), str("first"));
    EXPECT_EQ(read(callOn(items, "Item", { str("last") }), row.shown), last);

    callOn(items, "Remove", { str("first") });
    EXPECT_EQ(read(items, "Count"), number(row.made + 1));
    EXPECT_EQ(read(added, "Index"), number(row.made + 1));
    callOn(items, "Remove", { number(row.made + 1) });
    EXPECT_EQ(read(items, "Count"), number(row.made));

    callOn(items, "Add", { Variant::missing(), Variant::missing(), third("more") });
    callOn(items, "Clear", {});
    EXPECT_EQ(read(items, "Count"), number(0));
}

TEST_P(Collections, ARemovedItemsObjectIsGone)
{
    const CollectionCase &row = GetParam();
    const Variant items = collectionOf(one(row.progId), row.collection);
    const Variant item = callOn(items, "Add", { Variant::missing(), str("going"), third("going") });
    callOn(items, "Remove", { str("going") });
    Variant key;
    EXPECT_EQ(objectOf(item)->get("Key", key), status::objectNotSet);
    EXPECT_TRUE(lastError().contains(QStringLiteral("the object is gone"))) << row.name;
}

INSTANTIATE_TEST_SUITE_P(BarsAndImages, Collections, ::testing::ValuesIn(collections),
                         [](const auto &row) { return rowName(row); });

// A collection's refusals: whose collection it is (the control, then the collection), and why.
class CollectionRefusals : public LibraryMembers, public ::testing::WithParamInterface<Refusal>
{
};

TEST_P(CollectionRefusals, SayWhoseCollectionAndWhy)
{
    const manifest::ClassRecord &c = *manifest::findClass(GetParam().progId);
    Control &control = one(c.progId);
    EXPECT_EQ(GetParam().call(control), GetParam().expected);
    const QString why = lastError();
    EXPECT_TRUE(why.startsWith(QStringLiteral("Probe.%1 (%2).").arg(text(c.instance), text(c.progId))))
        << why.toStdString();
    EXPECT_TRUE(why.contains(QString::fromUtf8(GetParam().named))) << why.toStdString();
}

// The status of a call on a control's collection.
Status onCollection(Control &control, const char *collection, const char *method,
                    std::initializer_list<Variant> arguments)
{
    Variant items;
    control.get(collection, items);
    Variant result;
    return objectOf(items)->call(method, std::span<const Variant>(arguments.begin(), arguments.size()),
                                 result);
}

// The status of writing a property of the collection's first item.
Status onFirstItem(Control &control, const char *collection, const char *property, const Variant &value)
{
    Variant items;
    control.get(collection, items);
    Variant first;
    const std::array index { number(1) };
    objectOf(items)->call("Item", index, first);
    return objectOf(first)->put(property, value);
}

Status addTwice(Control &control, const char *collection)
{
    onCollection(control, collection, "Add", { Variant::missing(), str("twice") });
    return onCollection(control, collection, "Add", { Variant::missing(), str("twice") });
}

Status addPicture(Control &control, const char *file, const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(file));
    if (!bytes.isEmpty()) {
        QFile written(path);
        EXPECT_TRUE(written.open(QIODevice::WriteOnly));
        written.write(bytes);
    }
    return onCollection(control, "ListImages", "Add", { Variant::missing(), str("picture"), Variant(path) });
}

constexpr Status indexOutOfBounds = static_cast<Status>(0x800A8B10u);
constexpr Status elementNotFound = static_cast<Status>(0x800A8B11u);
constexpr Status keyNotUnique = static_cast<Status>(0x800A8B12u);
constexpr Status noImageList = static_cast<Status>(0x800A8B1Du);

INSTANTIATE_TEST_SUITE_P(
    BarsAndImages, CollectionRefusals,
    ::testing::Values(
        Refusal { "PanelsDuplicateKey", "MSComctlLib.StatusBar",
                  [](Control &c) { return addTwice(c, "Panels"); }, keyNotUnique,
                  "Panels: Add: another item has the key \"twice\"" },
        Refusal { "ButtonsDuplicateKey", "MSComctlLib.Toolbar",
                  [](Control &c) { return addTwice(c, "Buttons"); }, keyNotUnique, "the key \"twice\"" },
        Refusal { "TabsDuplicateKey", "MSComctlLib.TabStrip", [](Control &c) { return addTwice(c, "Tabs"); },
                  keyNotUnique, "the key \"twice\"" },
        Refusal { "BandsDuplicateKey", "ComCtl3.CoolBar", [](Control &c) { return addTwice(c, "Bands"); },
                  keyNotUnique, "the key \"twice\"" },
        Refusal { "PanelsMissingKey", "MSComctlLib.StatusBar",
                  [](Control &c) { return onCollection(c, "Panels", "Item", { str("nowhere") }); },
                  elementNotFound, "Panels: Item: no item has the key \"nowhere\"" },
        Refusal { "TabsRemoveMissingKey", "MSComctlLib.TabStrip",
                  [](Control &c) { return onCollection(c, "Tabs", "Remove", { str("nowhere") }); },
                  elementNotFound, "no item has the key \"nowhere\"" },
        Refusal { "ListImagesMissingKey", "MSComctlLib.ImageList",
                  [](Control &c) { return onCollection(c, "ListImages", "Item", { str("nowhere") }); },
                  elementNotFound, "no item has the key \"nowhere\"" },
        Refusal { "BandsIndexOutOfBounds", "ComCtl3.CoolBar",
                  [](Control &c) { return onCollection(c, "Bands", "Item", { number(4) }); },
                  indexOutOfBounds, "index 4: the items are 1 to 3" },
        Refusal { "ButtonsIndexOfAnEmptyBar", "MSComctlLib.Toolbar",
                  [](Control &c) { return onCollection(c, "Buttons", "Remove", { number(1) }); },
                  indexOutOfBounds, "index 1: the collection is empty" },
        Refusal { "PanelsAddedBeyondTheEnd", "MSComctlLib.StatusBar",
                  [](Control &c) { return onCollection(c, "Panels", "Add", { number(3) }); },
                  indexOutOfBounds, "index 3: a new item goes at 1 to 2" },
        Refusal { "PictureFileNotThere", "MSComctlLib.ImageList",
                  [](Control &c) { return addPicture(c, "absent.png", {}); }, status::fileNotFound,
                  "ListImages: Add: no picture file" },
        Refusal { "PictureFileUnreadable", "MSComctlLib.ImageList",
                  [](Control &c) { return addPicture(c, "garbage.png", "not a picture"); },
                  status::invalidPicture, "garbage.png is no picture that can be read" },
        Refusal { "PanelPictureNotThere", "MSComctlLib.StatusBar",
                  [](Control &c) { return onFirstItem(c, "Panels", "Picture", str("/nonexistent/p.png")); },
                  status::fileNotFound, "Picture = \"/nonexistent/p.png\": no picture file" },
        Refusal { "PanelShowsTheCapsLock", "MSComctlLib.StatusBar",
                  [](Control &c) { return onFirstItem(c, "Panels", "Style", number(1)); },
                  status::deviceUnavailable, "sbrCaps: the state of the keyboard's lock" },
        Refusal { "PanelWiderThanAWindow", "MSComctlLib.StatusBar",
                  [](Control &c) { return onFirstItem(c, "Panels", "Width", Variant(1e9)); },
                  status::invalidPropertyValue, "a panel's width is 0 to 491505 twips" },
        Refusal { "ButtonImageWithoutAnImageList", "MSComctlLib.Toolbar",
                  [](Control &c) {
                      return onCollection(
                          c, "Buttons", "Add",
                          { Variant::missing(), Variant::missing(), str("Open"), number(0), number(2) });
                  },
                  noImageList, "image 2: the control has no image list" },
        Refusal { "TheSelectedTabUnselected", "MSComctlLib.TabStrip",
                  [](Control &c) { return onFirstItem(c, "Tabs", "Selected", Variant(false)); },
                  status::invalidPropertyValue, "a tab strip always has a tab selected" },
        Refusal { "BandHoldingAControl", "ComCtl3.CoolBar",
                  [](Control &c) {
                      return onCollection(c, "Bands", "Add",
                                          { Variant::missing(), Variant::missing(), Variant::missing(),
                                            Variant::missing(), Variant::missing(), number(1) });
                  },
                  status::invalidProcedureCall, "a band of this bar holds no control" }),
    [](const auto &row) { return rowName(row); });

// Adds an item with the key "second" to the control's collection and gives the widget that shows it.
using ShowSecond = QWidget *(*)(Control &, QWidget *);

QWidget *secondPanel(Control &c, QWidget *w)
{
    onCollection(c, "Panels", "Add", { Variant::missing(), str("second"), str("Second") });
    const QList<QLabel *> labels = w->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
    return labels.isEmpty() ? nullptr : labels.last();
}

QWidget *secondButton(Control &c, QWidget *w)
{
    EXPECT_EQ(onCollection(c, "Buttons", "Add", { Variant::missing(), str("first"), str("First") }),
              status::ok);
    EXPECT_EQ(onCollection(c, "Buttons", "Add", { Variant::missing(), str("second"), str("Second") }),
              status::ok);
    auto *bar = static_cast<QToolBar *>(w);
    bar->layout()->activate();
    return bar->widgetForAction(bar->actions().last());
}

void clickSecond(Control &c, QWidget *w, ShowSecond show)
{
    QWidget *second = show(c, w);
    ASSERT_NE(second, nullptr) << "nothing shows the second item";
    QTest::mouseClick(second, Qt::LeftButton);
}

void clickSecondTab(Control &c, QWidget *w)
{
    onCollection(c, "Tabs", "Add", { Variant::missing(), str("second"), str("Second") });
    auto *bar = static_cast<QTabBar *>(w);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
}

INSTANTIATE_TEST_SUITE_P(
    BarsAndImages, LibraryEvents,
    ::testing::Values(
        EventCase { "StatusBarPanelClick", "MSComctlLib.StatusBar", "PanelClick",
                    [](Control &c, QWidget *w) { clickSecond(c, w, secondPanel); } },
        EventCase { "StatusBarClickOnAPanel", "MSComctlLib.StatusBar", "Click",
                    [](Control &c, QWidget *w) { clickSecond(c, w, secondPanel); } },
        EventCase { "StatusBarPanelDblClick", "MSComctlLib.StatusBar", "PanelDblClick",
                    [](Control &c, QWidget *w) { QTest::mouseDClick(secondPanel(c, w), Qt::LeftButton); } },
        EventCase { "ToolbarButtonClick", "MSComctlLib.Toolbar", "ButtonClick",
                    [](Control &c, QWidget *w) { clickSecond(c, w, secondButton); } },
        EventCase { "ToolbarClickBesideTheButtons", "MSComctlLib.Toolbar", "Click",
                    [](Control &, QWidget *w) {
                        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() - 4, w->height() / 2));
                    } },
        EventCase { "TabStripClickOnATab", "MSComctlLib.TabStrip", "Click",
                    [](Control &c, QWidget *w) { clickSecondTab(c, w); } },
        EventCase { "TabStripBeforeClickOnATab", "MSComctlLib.TabStrip", "BeforeClick",
                    [](Control &c, QWidget *w) { clickSecondTab(c, w); } },
        EventCase { "TabStripClickFromCode", "MSComctlLib.TabStrip", "Click",
                    [](Control &c, QWidget *) {
                        const Variant tabs = collectionOf(c, "Tabs");
                        const Variant second = callOn(tabs, "Add", { Variant::missing(), str("second") });
                        ASSERT_EQ(objectOf(second)->put("Selected", Variant(true)), status::ok);
                    } },
        EventCase { "CoolBarClickOnABand", "ComCtl3.CoolBar", "Click",
                    [](Control &, QWidget *w) {
                        QWidget *band = w->findChild<QWidget *>(QStringLiteral("band2"));
                        ASSERT_NE(band, nullptr);
                        QTest::mouseClick(band, Qt::LeftButton);
                    } },
        EventCase { "CoolBarHeightChanged", "ComCtl3.CoolBar", "HeightChanged",
                    [](Control &c, QWidget *) { ASSERT_EQ(c.put("Height", number(1500)), status::ok); } }),
    [](const auto &row) { return rowName(row); });

INSTANTIATE_TEST_SUITE_P(
    BarsAndImages, LibraryRefusals,
    ::testing::Values(Refusal { "ImageWidthFixedOnceTheListHoldsImages", "MSComctlLib.ImageList",
                                [](Control &c) {
                                    QTemporaryDir dir;
                                    onCollection(c, "ListImages", "Add",
                                                 { Variant::missing(), str("one"),
                                                   Variant(writePicture(dir, "one.png")) });
                                    return c.put("ImageWidth", number(32));
                                },
                                static_cast<Status>(0x800A8B1Bu),
                                "ImageWidth is fixed until they are cleared" },
                      Refusal { "ImageHeightBeyondTheLargest", "MSComctlLib.ImageList",
                                [](Control &c) { return c.put("ImageHeight", number(257)); },
                                status::invalidPropertyValue, "an image is 1 to 256 pixels on a side" }),
    [](const auto &row) { return rowName(row); });

// A window with one control of the class, its handlers bound before it shows.
class BoundEvents : public LibraryMembers
{
protected:
    Control &bound(std::string_view progId, std::string_view event, EventHandler handler,
                   std::string_view also = {}, EventHandler alsoHandler = {})
    {
        const manifest::ClassRecord &c = *manifest::findClass(progId);
        TestLayout &layout = layouts.emplace_back();
        layout.add(c.instance, c.progId, 120, 120, 2000, 1200, defaultBlock(c, 2000, 1200));
        Form &form = *forms.emplace_back(runtime->adoptForm(new Form(*runtime, layout.description)));
        form.bind(c.instance, event, std::move(handler));
        if (!also.empty())
            form.bind(c.instance, also, std::move(alsoHandler));
        EXPECT_EQ(form.Show(), status::ok) << lastError().toStdString();
        return *findControl(form, c.instance);
    }
};

// The item clicked reaches the handler as an Object: the program reads which it was.
struct ItemClick {
    const char *name;
    std::string_view progId;
    std::string_view event;
    ShowSecond show;
    bool twice;
};

class ItemClicks : public BoundEvents, public ::testing::WithParamInterface<ItemClick>
{
};

TEST_P(ItemClicks, NameTheItemClicked)
{
    QString key;
    Control &control = bound(GetParam().progId, GetParam().event, [&](std::span<Variant> arguments) {
        EXPECT_EQ(arguments.size(), 1u);
        if (Object *item = arguments.empty() ? nullptr : objectOf(arguments[0])) {
            Variant read;
            EXPECT_EQ(item->get("Key", read), status::ok);
            key = read.toString().value_or(QString());
        }
        return status::ok;
    });
    QWidget *second = GetParam().show(control, widgetOf(control));
    ASSERT_NE(second, nullptr);
    if (GetParam().twice)
        QTest::mouseDClick(second, Qt::LeftButton);
    else
        QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !key.isEmpty(); }, 5000)) << "never raised";
    EXPECT_EQ(key, QStringLiteral("second"));
}

INSTANTIATE_TEST_SUITE_P(
    BarsAndImages, ItemClicks,
    ::testing::Values(ItemClick { "PanelClick", "MSComctlLib.StatusBar", "PanelClick", secondPanel, false },
                      ItemClick { "PanelDblClick", "MSComctlLib.StatusBar", "PanelDblClick", secondPanel,
                                  true },
                      ItemClick { "ButtonClick", "MSComctlLib.Toolbar", "ButtonClick", secondButton, false }),
    [](const auto &row) { return rowName(row); });

// A click on a tab asks first whether it may select the tab: a handler that cancels keeps the tab before.
struct TabClick {
    const char *name;
    std::int16_t cancel;
    std::int32_t selected;
    int clicks;
};

class TabClicks : public BoundEvents, public ::testing::WithParamInterface<TabClick>
{
};

TEST_P(TabClicks, SelectUnlessCancelled)
{
    int asked = 0;
    int clicks = 0;
    std::int32_t selectedWhenAsked = 0;
    Control *strip = nullptr;
    Control &control = bound(
        "MSComctlLib.TabStrip", "BeforeClick",
        [&](std::span<Variant> arguments) {
            ++asked;
            Variant selected;
            EXPECT_EQ(strip->get("SelectedItem", selected), status::ok);
            selectedWhenAsked = read(selected, "Index").toLong().value_or(0);
            arguments[0] = Variant(GetParam().cancel);
            return status::ok;
        },
        "Click",
        [&](std::span<Variant>) {
            ++clicks;
            return status::ok;
        });
    strip = &control;
    clickSecondTab(control, widgetOf(control));
    ASSERT_TRUE(QTest::qWaitFor([&] { return asked > 0; }, 5000)) << "never asked";
    EXPECT_EQ(selectedWhenAsked, 1) << "the tab before is selected while the click is asked about";
    Variant selected;
    ASSERT_EQ(control.get("SelectedItem", selected), status::ok);
    EXPECT_EQ(read(selected, "Index"), number(GetParam().selected));
    EXPECT_EQ(static_cast<QTabBar *>(widgetOf(control))->currentIndex(), GetParam().selected - 1);
    EXPECT_EQ(clicks, GetParam().clicks);
}

INSTANTIATE_TEST_SUITE_P(BarsAndImages, TabClicks,
                         ::testing::Values(TabClick { "Allowed", 0, 2, 1 },
                                           TabClick { "Cancelled", 1, 1, 0 }),
                         [](const auto &row) { return rowName(row); });

// A simple bar shows its one text instead of its panels, and its panels again when it is normal.
TEST_F(LibraryMembers, ASimpleStatusBarShowsItsTextInsteadOfItsPanels)
{
    Control &control = one("MSComctlLib.StatusBar");
    auto *bar = static_cast<QStatusBar *>(widgetOf(control));
    QLabel *panel = bar->findChild<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(panel, nullptr);
    ASSERT_EQ(control.put("SimpleText", str("Saving...")), status::ok);
    ASSERT_EQ(control.put("Style", number(1)), status::ok);
    EXPECT_FALSE(panel->isVisible());
    const QList<QLabel *> shown = bar->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](const QLabel *label) {
        return label->isVisible() && label->text() == QLatin1String("Saving...");
    }));
    ASSERT_EQ(control.put("Style", number(0)), status::ok);
    EXPECT_TRUE(panel->isVisible());
}

// A list's size is fixed while it holds images, whatever the size of the files' pictures; with the list
// empty again, it may change.
TEST_F(LibraryMembers, AnImageListsSizeIsFixedWhileItHoldsImages)
{
    QTemporaryDir dir;
    Control &control = one("MSComctlLib.ImageList");
    const Variant images = collectionOf(control, "ListImages");
    callOn(images, "Add", { Variant::missing(), str("big"), Variant(writePicture(dir, "big.png", 40, 30)) });
    EXPECT_EQ(control.put("ImageWidth", number(16)), status::ok) << "the width it has is no change";
    EXPECT_NE(control.put("ImageWidth", number(40)), status::ok);
    callOn(images, "Clear", {});
    EXPECT_EQ(control.put("ImageWidth", number(40)), status::ok) << lastError().toStdString();
}

} // namespace
} // namespace qv::test
