// The tree view's, the list view's and the image combo's own members through the runtime, as a program
// drives them: their collections by number and key, items placed where a program asks, events from real
// input naming the item, refusals naming whose member and why, and an item's Object failing once the item
// is removed.

#include "support/library_members_fixture.h"
#include <quorvane/object.h>

#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QTreeWidget>

namespace qv::test
{
namespace
{

Variant str(const char *text)
{
    return Variant(QString::fromUtf8(text));
}

Variant num(std::int32_t value)
{
    return Variant(value);
}

// An argument left out.
const Variant none = Variant::missing();
// The common controls' collection errors, and the one of a picture without an ImageList.
constexpr auto indexOutOfBounds = static_cast<Status>(0x800A8B10u); // 35600
constexpr auto elementNotFound = static_cast<Status>(0x800A8B11u); // 35601
constexpr auto keyNotUnique = static_cast<Status>(0x800A8B12u); // 35602
constexpr auto imageListNotInitialized = static_cast<Status>(0x800A8B1Du); // 35613

// An Object a member handed out, held for as long as the test uses it.
struct Held {
    Variant value;
    Object *operator->() const { return objectOf(value); }
    Object &operator*() const { return *objectOf(value); }
};

template<class Target> Held member(Target &target, std::string_view name)
{
    Held held;
    EXPECT_EQ(target.get(name, held.value), status::ok) << name;
    EXPECT_NE(objectOf(held.value), nullptr) << name << " is not an object";
    return held;
}

template<class Target> Variant read(Target &target, std::string_view name)
{
    Variant value;
    EXPECT_EQ(target.get(name, value), status::ok) << name;
    return value;
}

template<class Target> QString textOf(Target &target, std::string_view name = "Text")
{
    return read(target, name).toString().value_or(QStringLiteral("(no text)"));
}

Status call(Object &object, std::string_view method, std::vector<Variant> arguments, Variant &result)
{
    return object.call(method, std::span<const Variant>(arguments), result);
}

// Calls a collection's method that hands out an item, which must succeed.
Held item(Object &collection, std::string_view method, std::vector<Variant> arguments)
{
    Held held;
    EXPECT_EQ(call(collection, method, std::move(arguments), held.value), status::ok)
        << method << ": " << collection.runtime().takeErrorObject().description.toStdString();
    return held;
}

std::int32_t countOf(Object &collection)
{
    return read(collection, "Count").toLong().value_or(-1);
}

// The nodes from `first` onwards among its siblings, as a program walks them: "A(B C) D".
QString shape(const Variant &first)
{
    QStringList shown;
    for (Variant at = first; Object *node = objectOf(at);) {
        QString text = textOf(*node);
        if (read(*node, "Children").toLong().value_or(0) > 0)
            text += QLatin1Char('(') + shape(read(*node, "Child")) + QLatin1Char(')');
        shown.append(text);
        at = read(*node, "Next");
    }
    return shown.join(QLatin1Char(' '));
}

QString treeShape(Object &nodes)
{
    Held first = item(nodes, "Item", { num(1) });
    Held root = member(*first, "Root");
    return shape(read(*root, "FirstSibling"));
}

// ---- The tree's nodes

// A node added as a program adds it: placed by the relative and the relationship given (either left out),
// then keyed and named.
struct NodeAdd {
    Variant relative;
    Variant relationship;
    const char *key;
    const char *text;
};

Held addNode(Object &nodes, const NodeAdd &add)
{
    std::vector<Variant> placed { add.relative, add.relationship };
    while (!placed.empty() && placed.back().isMissing())
        placed.pop_back();
    Held node = item(nodes, "Add", placed);
    if (objectOf(node.value)) {
        EXPECT_EQ(node->put("Key", str(add.key)), status::ok) << add.key;
        EXPECT_EQ(node->put("Text", str(add.text)), status::ok) << add.text;
    }
    return node;
}

struct Placement {
    const char *name;
    std::vector<NodeAdd> adds;
    const char *shape;
};

class NodePlacement : public LibraryMembers, public ::testing::WithParamInterface<Placement>
{
};

TEST_P(NodePlacement, PutsEachNodeWhereItsRelativeAndRelationshipSay)
{
    Control &tree = one("MSComctlLib.TreeView");
    Held nodes = member(tree, "Nodes");
    for (const NodeAdd &add : GetParam().adds)
        addNode(*nodes, add);
    EXPECT_EQ(countOf(*nodes), static_cast<std::int32_t>(GetParam().adds.size()));
    EXPECT_EQ(treeShape(*nodes), QString::fromUtf8(GetParam().shape));
}

constexpr std::int32_t tvwFirst = 0, tvwLast = 1, tvwNext = 2, tvwPrevious = 3, tvwChild = 4;

INSTANTIATE_TEST_SUITE_P(
    Nodes, NodePlacement,
    ::testing::Values(
        Placement {
            "WithoutARelativeLastAtTheTop",
            { { none, none, "a", "A" }, { str("a"), num(tvwChild), "b", "B" }, { none, none, "c", "C" } },
            "A(B) C" },
        Placement { "ChildLastUnderItsRelative",
                    { { none, none, "a", "A" },
                      { str("a"), num(tvwChild), "", "B" },
                      { str("a"), num(tvwChild), "", "C" } },
                    "A(B C)" },
        Placement {
            "NextRightAfterItsRelative",
            { { none, none, "a", "A" }, { none, none, "", "B" }, { str("a"), num(tvwNext), "", "C" } },
            "A C B" },
        Placement { "NextWhenTheRelationshipIsLeftOut",
                    { { none, none, "a", "A" }, { none, none, "", "B" }, { str("a"), none, "", "C" } },
                    "A C B" },
        Placement {
            "PreviousRightBeforeItsRelative",
            { { none, none, "", "A" }, { none, none, "b", "B" }, { str("b"), num(tvwPrevious), "", "C" } },
            "A C B" },
        Placement { "FirstAmongItsRelativesSiblings",
                    { { none, none, "", "A" },
                      { num(1), num(tvwChild), "", "B" },
                      { num(2), num(tvwFirst), "", "C" } },
                    "A(C B)" },
        Placement {
            "LastAmongItsRelativesSiblings",
            { { none, none, "a", "A" }, { none, none, "", "B" }, { str("a"), num(tvwLast), "", "C" } },
            "A B C" }),
    [](const auto &row) { return rowName(row); });

// The form a program writes most: the relative and the relationship left out, the key and the text given.
TEST_F(LibraryMembers, AddTakesAKeyAndATextAfterArgumentsLeftOut)
{
    Control &tree = one("MSComctlLib.TreeView");
    Held nodes = member(tree, "Nodes");
    Held added = item(*nodes, "Add", { none, none, str("k"), str("Kept") });
    ASSERT_NE(objectOf(added.value), nullptr);
    EXPECT_EQ(textOf(*added), QStringLiteral("Kept"));
    EXPECT_EQ(textOf(*added, "Key"), QStringLiteral("k"));
}

// A little tree: A with B (which has C) and D below it, and E beside A.
struct LittleTree {
    Held nodes, a, b, c, d, e;
};

LittleTree littleTree(Control &tree)
{
    LittleTree t { member(tree, "Nodes"), {}, {}, {}, {}, {} };
    t.a = addNode(*t.nodes, { none, none, "a", "A" });
    t.b = item(*t.nodes, "Add", { str("a"), num(tvwChild), str("b"), str("B") });
    t.c = item(*t.nodes, "Add", { str("b"), num(tvwChild), str("c"), str("C") });
    t.d = item(*t.nodes, "Add", { str("a"), num(tvwChild), str("d"), str("D") });
    t.e = addNode(*t.nodes, { none, none, "e", "E" });
    return t;
}

TEST_F(LibraryMembers, ANodeLeadsToItsRelativesAndItsPath)
{
    Control &tree = one("MSComctlLib.TreeView");
    const LittleTree t = littleTree(tree);
    EXPECT_EQ(textOf(*member(*t.c, "Parent")), QStringLiteral("B"));
    EXPECT_EQ(textOf(*member(*t.c, "Root")), QStringLiteral("A"));
    EXPECT_EQ(textOf(*member(*t.a, "Child")), QStringLiteral("B"));
    EXPECT_EQ(read(*t.a, "Children"), num(2));
    EXPECT_EQ(textOf(*member(*t.b, "Next")), QStringLiteral("D"));
    EXPECT_EQ(textOf(*member(*t.d, "Previous")), QStringLiteral("B"));
    EXPECT_EQ(textOf(*member(*t.d, "FirstSibling")), QStringLiteral("B"));
    EXPECT_EQ(textOf(*member(*t.a, "LastSibling")), QStringLiteral("E"));
    EXPECT_EQ(objectOf(read(*t.d, "Next")), nullptr) << "past the last sibling is Nothing";
    EXPECT_EQ(objectOf(read(*t.a, "Parent")), nullptr) << "a node at the top has no parent";
    EXPECT_EQ(textOf(*t.c, "FullPath"), QStringLiteral("A\\B\\C"));
    ASSERT_EQ(tree.put("PathSeparator", str(" > ")), status::ok);
    EXPECT_EQ(textOf(*t.c, "FullPath"), QStringLiteral("A > B > C"));
    EXPECT_EQ(read(*t.d, "Index"), num(4));
    EXPECT_EQ(textOf(*item(*t.nodes, "Item", { str("d") })), QStringLiteral("D"));
}

TEST_F(LibraryMembers, RemovingANodeRemovesItsChildrenAndTheirObjectsAreGone)
{
    Control &tree = one("MSComctlLib.TreeView");
    const LittleTree t = littleTree(tree);
    ASSERT_EQ(t.nodes->call("Remove", { str("b") }), status::ok) << lastError().toStdString();
    EXPECT_EQ(countOf(*t.nodes), 3);
    EXPECT_EQ(treeShape(*t.nodes), QStringLiteral("A(D) E"));
    EXPECT_EQ(read(*t.d, "Index"), num(2)) << "the nodes after those removed count on from 1";
    for (const Held *gone : { &t.b, &t.c }) {
        Variant text;
        EXPECT_EQ((*gone)->get("Text", text), status::objectNotSet);
        EXPECT_TRUE(lastError().contains(QStringLiteral("the object is gone")));
    }
    ASSERT_EQ(t.nodes->call("Clear"), status::ok);
    EXPECT_EQ(countOf(*t.nodes), 0);
    EXPECT_EQ(t.a->put("Text", str("again")), status::objectNotSet);
}

TEST_F(LibraryMembers, TheSelectedNodeIsTheOneAProgramOrAClickChose)
{
    Control &tree = one("MSComctlLib.TreeView");
    const LittleTree t = littleTree(tree);
    EXPECT_EQ(objectOf(read(tree, "SelectedItem")), nullptr);
    ASSERT_EQ(tree.put("SelectedItem", t.d.value), status::ok) << lastError().toStdString();
    EXPECT_EQ(textOf(*member(tree, "SelectedItem")), QStringLiteral("D"));
    EXPECT_EQ(read(*t.d, "Selected"), Variant(true));

    auto *widget = qobject_cast<QTreeWidget *>(widgetOf(tree));
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                      widget->visualItemRect(widget->topLevelItem(1)).center());
    EXPECT_EQ(textOf(*member(tree, "SelectedItem")), QStringLiteral("E"));
    EXPECT_EQ(read(*t.d, "Selected"), Variant(false));

    ASSERT_EQ(t.a->put("Expanded", Variant(true)), status::ok);
    EXPECT_TRUE(widget->topLevelItem(0)->isExpanded());
}

class BoundEvents : public LibraryMembers
{
protected:
    // A window with one control of the class whose `event` runs `handler`, shown.
    Control &boundTo(std::string_view progId, std::string_view event, EventHandler handler)
    {
        const manifest::ClassRecord &c = *manifest::findClass(progId);
        TestLayout &layout = layouts.emplace_back();
        layout.add(c.instance, c.progId, 120, 120, 2000, 1200, defaultBlock(c, 2000, 1200));
        Form &form = *forms.emplace_back(runtime->adoptForm(new Form(*runtime, layout.description)));
        form.bind(c.instance, event, std::move(handler));
        EXPECT_EQ(form.Show(), status::ok) << lastError().toStdString();
        return *findControl(form, c.instance);
    }
};

// What an event's handler finds in its first argument, an item: its text.
EventHandler readsTheItem(QString &text)
{
    return [&text](std::span<Variant> arguments) {
        Object *item = arguments.empty() ? nullptr : objectOf(arguments[0]);
        text = item ? textOf(*item) : QStringLiteral("no item");
        return status::ok;
    };
}

TEST_F(BoundEvents, NodeClickNamesTheNodeClicked)
{
    QString clicked;
    Control &tree = boundTo("MSComctlLib.TreeView", "NodeClick", readsTheItem(clicked));
    const LittleTree t = littleTree(tree);
    auto *widget = qobject_cast<QTreeWidget *>(widgetOf(tree));
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                      widget->visualItemRect(widget->topLevelItem(1)).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !clicked.isEmpty(); }, 5000));
    EXPECT_EQ(clicked, QStringLiteral("E"));
}

// ---- Events by real input

QTreeWidget &treeWith(Control &tree, bool expanded)
{
    const LittleTree t = littleTree(tree);
    EXPECT_EQ(t.a->put("Expanded", Variant(expanded)), status::ok);
    EXPECT_EQ(t.a->put("Selected", Variant(true)), status::ok);
    return *qobject_cast<QTreeWidget *>(widgetOf(tree));
}

void clickNode(QTreeWidget &tree, int top)
{
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {},
                      tree.visualItemRect(tree.topLevelItem(top)).center());
}

INSTANTIATE_TEST_SUITE_P(
    TreeView, LibraryEvents,
    ::testing::Values(
        EventCase { "NodeClickOnANode", "MSComctlLib.TreeView", "NodeClick",
                    [](Control &c, QWidget *) { clickNode(treeWith(c, false), 1); } },
        EventCase { "ClickOnANode", "MSComctlLib.TreeView", "Click",
                    [](Control &c, QWidget *) { clickNode(treeWith(c, false), 0); } },
        EventCase { "DblClickOnANode", "MSComctlLib.TreeView", "DblClick",
                    [](Control &c, QWidget *) {
                        QTreeWidget &tree = treeWith(c, false);
                        QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {},
                                           tree.visualItemRect(tree.topLevelItem(1)).center());
                    } },
        EventCase { "ExpandByTheKeyRight", "MSComctlLib.TreeView", "Expand",
                    [](Control &c, QWidget *) { pressKey(&treeWith(c, false), Qt::Key_Right); } },
        EventCase { "ExpandByItsArrow", "MSComctlLib.TreeView", "Expand",
                    [](Control &c, QWidget *) {
                        QTreeWidget &tree = treeWith(c, false);
                        const QRect row = tree.visualItemRect(tree.topLevelItem(0));
                        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {},
                                          QPoint(row.left() - tree.indentation() / 2, row.center().y()));
                    } },
        EventCase { "CollapseByTheKeyLeft", "MSComctlLib.TreeView", "Collapse",
                    [](Control &c, QWidget *) { pressKey(&treeWith(c, true), Qt::Key_Left); } }),
    [](const auto &row) { return rowName(row); });

// ---- Refusals

INSTANTIATE_TEST_SUITE_P(Views, LibraryRefusals,
                         ::testing::Values(Refusal {
                             "TreeIndentationBeyondItsRange", "MSComctlLib.TreeView",
                             [](Control &c) { return c.put("Indentation", num(256)); },
                             status::invalidPropertyValue, "the indentation is 0 to 255 pixels" }),
                         [](const auto &row) { return rowName(row); });

// A collection's or an item's member refused: what the last call returns, and what the description says
// after whose object it is ("Probe.TreeView1 (MSComctlLib.TreeView).Nodes: ").
struct ItemRefusal {
    const char *name;
    std::string_view progId;
    // Given the control and another of the same class in another window.
    std::function<Status(Control &, Control &)> call;
    Status expected;
    const char *whose; // after the control: ".Nodes"
    const char *named;
};

class ItemRefusals : public LibraryMembers, public ::testing::WithParamInterface<ItemRefusal>
{
};

TEST_P(ItemRefusals, SayWhoseObjectAndWhy)
{
    const manifest::ClassRecord &c = *manifest::findClass(GetParam().progId);
    Control &control = one(c.progId);
    Control &other = one(c.progId);
    EXPECT_EQ(GetParam().call(control, other), GetParam().expected);
    const QString why = lastError();
    EXPECT_TRUE(
        why.startsWith(QStringLiteral("Probe.%1 (%2)%3: ")
                           .arg(text(c.instance), text(c.progId), QString::fromUtf8(GetParam().whose))))
        << why.toStdString();
    EXPECT_TRUE(why.contains(QString::fromUtf8(GetParam().named))) << why.toStdString();
}

Status addNode(Control &tree, std::vector<Variant> arguments)
{
    Variant added;
    return call(*member(tree, "Nodes"), "Add", std::move(arguments), added);
}

// A node at the top with the key `key`.
void addTop(Control &tree, const char *key)
{
    addNode(*member(tree, "Nodes"), { none, none, key, key });
}

INSTANTIATE_TEST_SUITE_P(
    Nodes, ItemRefusals,
    ::testing::Values(
        ItemRefusal { "DuplicateKey", "MSComctlLib.TreeView",
                      [](Control &c, Control &) {
                          addTop(c, "a");
                          return addNode(c, { str("a"), num(tvwNext), str("a"), str("B") });
                      },
                      keyNotUnique, ".Nodes", "Add: another item has the key \"a\"" },
        ItemRefusal { "RelativeByAKeyNoNodeHas", "MSComctlLib.TreeView",
                      [](Control &c, Control &) {
                          return addNode(c, { str("nowhere"), num(tvwChild), str(""), str("B") });
                      },
                      elementNotFound, ".Nodes", "no item has the key \"nowhere\"" },
        ItemRefusal { "RelativeOfAnotherTree", "MSComctlLib.TreeView",
                      [](Control &c, Control &other) {
                          addTop(other, "Theirs");
                          Held theirs = item(*member(other, "Nodes"), "Item", { num(1) });
                          return addNode(c, { theirs.value, num(tvwChild), str(""), str("B") });
                      },
                      elementNotFound, ".Nodes", "the node \"Theirs\" belongs to another tree" },
        ItemRefusal { "RelationshipNoneOfThem", "MSComctlLib.TreeView",
                      [](Control &c, Control &) {
                          addTop(c, "a");
                          return addNode(c, { str("a"), num(5), str(""), str("B") });
                      },
                      status::invalidProcedureCall, ".Nodes", "Relationship 5: it is tvwFirst (0)" },
        ItemRefusal { "ItemBeyondTheCount", "MSComctlLib.TreeView",
                      [](Control &c, Control &) {
                          addTop(c, "a");
                          Variant found;
                          return call(*member(c, "Nodes"), "Item", { num(2) }, found);
                      },
                      indexOutOfBounds, ".Nodes", "Item: index 2: the items are 1 to 1" },
        ItemRefusal { "RemoveFromAnEmptyTree", "MSComctlLib.TreeView",
                      [](Control &c, Control &) { return member(c, "Nodes")->call("Remove", { num(1) }); },
                      indexOutOfBounds, ".Nodes", "index 1: the collection is empty" },
        ItemRefusal { "PictureWithoutAnImageList", "MSComctlLib.TreeView",
                      [](Control &c, Control &) {
                          addTop(c, "a");
                          return addNode(c, { num(1), num(tvwChild), str(""), str("B"), num(1) });
                      },
                      imageListNotInitialized, ".Nodes",
                      "ImageList must be initialized before it can be used: Image 1" },
        ItemRefusal {
            "KeyOfAnotherNode", "MSComctlLib.TreeView",
            [](Control &c, Control &) {
                addTop(c, "a");
                Held b = item(*member(c, "Nodes"), "Add", { str("a"), num(tvwNext), str("b"), str("B") });
                return b->put("Key", str("a"));
            },
            keyNotUnique, ".Nodes.Add", "Key = \"a\": another item has the key \"a\"" },
        ItemRefusal { "SelectedItemOfAnotherTree", "MSComctlLib.TreeView",
                      [](Control &c, Control &other) {
                          addTop(other, "Theirs");
                          Held theirs = item(*member(other, "Nodes"), "Item", { num(1) });
                          return c.put("SelectedItem", theirs.value);
                      },
                      elementNotFound, "", "belongs to another tree" }),
    [](const auto &row) { return rowName(row); });

// ---- The list's items and columns

constexpr std::int32_t lvwReport = 3, lvwDescending = 1;

// An item added as a program adds it, at the index given, with a key and a text.
Held addItem(Object &items, std::int32_t index, const char *key, const char *text)
{
    return item(items, "Add", { num(index), str(key), str(text) });
}

// The items' texts in the order the list holds them, as a program reads them by number.
QString itemTexts(Object &items, std::string_view column = {})
{
    QStringList texts;
    for (std::int32_t i = 1; i <= countOf(items); ++i) {
        Held at = item(items, "Item", { num(i) });
        Variant text;
        if (column.empty())
            text = read(*at, "Text");
        else
            EXPECT_EQ(call(*at, "SubItems", { num(1) }, text), status::ok);
        texts.append(text.toString().value_or(QString()));
    }
    return texts.join(QLatin1Char(' '));
}

struct ItemPlacement {
    const char *name;
    std::vector<std::pair<std::int32_t, const char *>> adds; // index, text
    const char *order;
};

class ListItemPlacement : public LibraryMembers, public ::testing::WithParamInterface<ItemPlacement>
{
};

TEST_P(ListItemPlacement, PutsEachItemAtTheIndexGiven)
{
    Control &list = one("MSComctlLib.ListView");
    Held items = member(list, "ListItems");
    for (const auto &[index, text] : GetParam().adds)
        addItem(*items, index, "", text);
    EXPECT_EQ(itemTexts(*items), QString::fromUtf8(GetParam().order));
}

INSTANTIATE_TEST_SUITE_P(
    ListItems, ListItemPlacement,
    ::testing::Values(ItemPlacement { "AtTheEnd", { { 1, "A" }, { 2, "B" }, { 3, "C" } }, "A B C" },
                      ItemPlacement { "AtTheStart", { { 1, "A" }, { 1, "B" }, { 1, "C" } }, "C B A" },
                      ItemPlacement { "InTheMiddle", { { 1, "A" }, { 2, "B" }, { 2, "C" } }, "A C B" }),
    [](const auto &row) { return rowName(row); });

TEST_F(LibraryMembers, ListItemsAreFoundByKeyAndRemovedObjectsAreGone)
{
    Control &list = one("MSComctlLib.ListView");
    Held items = member(list, "ListItems");
    addItem(*items, 1, "a", "A");
    Held b = addItem(*items, 2, "b", "B");
    Held c = addItem(*items, 3, "c", "C");
    EXPECT_EQ(countOf(*items), 3);
    EXPECT_EQ(textOf(*item(*items, "Item", { str("b") })), QStringLiteral("B"));
    ASSERT_EQ(items->call("Remove", { str("b") }), status::ok) << lastError().toStdString();
    EXPECT_EQ(itemTexts(*items), QStringLiteral("A C"));
    EXPECT_EQ(read(*c, "Index"), num(2));
    Variant gone;
    EXPECT_EQ(b->get("Text", gone), status::objectNotSet);
    EXPECT_TRUE(lastError().contains(QStringLiteral("the object is gone")));
    ASSERT_EQ(items->call("Clear"), status::ok);
    EXPECT_EQ(countOf(*items), 0);
    EXPECT_EQ(c->get("Text", gone), status::objectNotSet);
}

// A report of three columns, and items with a sub-item under the second.
Held report(Control &list, std::initializer_list<std::pair<const char *, const char *>> rows)
{
    EXPECT_EQ(list.put("View", num(lvwReport)), status::ok);
    Held headers = member(list, "ColumnHeaders");
    item(*headers, "Add", { num(1), str("name"), str("Name"), Variant(1500.0f) });
    item(*headers, "Add", { num(2), str("size"), str("Size") });
    item(*headers, "Add", { num(3), str("kind"), str("Kind") });
    Held items = member(list, "ListItems");
    std::int32_t at = 0;
    for (const auto &[text, sub] : rows) {
        Held added = addItem(*items, ++at, "", text);
        EXPECT_EQ(added->call("SubItems", { num(1), str(sub) }), status::ok) << sub;
    }
    return items;
}

TEST_F(LibraryMembers, ColumnHeadersKeepTheirTextWidthAndOrder)
{
    Control &list = one("MSComctlLib.ListView");
    report(list, {});
    Held headers = member(list, "ColumnHeaders");
    EXPECT_EQ(countOf(*headers), 3);
    Held name = item(*headers, "Item", { str("name") });
    EXPECT_EQ(read(*name, "Width"), Variant(1500.0f));
    ASSERT_EQ(name->put("Width", Variant(900.0f)), status::ok);
    EXPECT_EQ(read(*name, "Width"), Variant(900.0f));
    Held inserted = item(*headers, "Add", { num(2), str("first"), str("First") });
    EXPECT_EQ(read(*item(*headers, "Item", { str("size") }), "Index"), num(3));
    ASSERT_EQ(headers->call("Remove", { str("first") }), status::ok);
    EXPECT_EQ(textOf(*item(*headers, "Item", { num(2) })), QStringLiteral("Size"));
    Variant gone;
    EXPECT_EQ(inserted->get("Text", gone), status::objectNotSet);
    auto *header = widgetOf(list)->findChild<QHeaderView *>();
    ASSERT_NE(header, nullptr);
    EXPECT_TRUE(header->isVisible());
    EXPECT_EQ(header->count(), 3);
}

TEST_F(LibraryMembers, SubItemsAreKeptUnderTheirColumns)
{
    Control &list = one("MSComctlLib.ListView");
    Held items = report(list, { { "A", "10" }, { "B", "20" } });
    EXPECT_EQ(itemTexts(*items, "SubItems"), QStringLiteral("10 20"));
    Held b = item(*items, "Item", { num(2) });
    ASSERT_EQ(b->call("SubItems", { num(2), str("file") }), status::ok);
    Variant kind;
    ASSERT_EQ(call(*b, "SubItems", { num(2) }, kind), status::ok);
    EXPECT_EQ(kind, str("file"));
}

struct Sorting {
    const char *name;
    std::int32_t sortKey;
    std::int32_t sortOrder;
    const char *order;
    std::int32_t placed; // where a new item "bb" under "25" goes
};

class ListSorting : public LibraryMembers, public ::testing::WithParamInterface<Sorting>
{
};

TEST_P(ListSorting, SortsByTheTextOrASubItemEitherWay)
{
    Control &list = one("MSComctlLib.ListView");
    Held items = report(list, { { "b", "1" }, { "C", "3" }, { "a", "2" } });
    ASSERT_EQ(list.put("SortKey", num(GetParam().sortKey)), status::ok);
    ASSERT_EQ(list.put("SortOrder", num(GetParam().sortOrder)), status::ok);
    ASSERT_EQ(list.put("Sorted", Variant(true)), status::ok);
    EXPECT_EQ(itemTexts(*items), QString::fromUtf8(GetParam().order));
    // A sorted list places a new item where its order says, whatever index it was given.
    Held added = addItem(*items, 1, "", "bb");
    EXPECT_EQ(added->call("SubItems", { num(1), str("25") }), status::ok);
    EXPECT_EQ(read(*added, "Index"), num(GetParam().placed));
}

INSTANTIATE_TEST_SUITE_P(ListItems, ListSorting,
                         ::testing::Values(Sorting { "ByTextAscending", 0, 0, "a b C", 3 },
                                           Sorting { "ByTextDescending", 0, lvwDescending, "C b a", 2 },
                                           Sorting { "BySubItemAscending", 1, 0, "b a C", 3 }),
                         [](const auto &row) { return rowName(row); });

TEST_F(LibraryMembers, TheSelectedItemIsTheOneAProgramOrAClickChose)
{
    Control &list = one("MSComctlLib.ListView");
    Held items = member(list, "ListItems");
    addItem(*items, 1, "a", "A");
    Held b = addItem(*items, 2, "b", "B");
    EXPECT_EQ(objectOf(read(list, "SelectedItem")), nullptr);
    ASSERT_EQ(list.put("SelectedItem", b.value), status::ok) << lastError().toStdString();
    EXPECT_EQ(textOf(*member(list, "SelectedItem")), QStringLiteral("B"));
    EXPECT_EQ(read(*b, "Selected"), Variant(true));
    auto *widget = qobject_cast<QListWidget *>(widgetOf(list));
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                      widget->visualItemRect(widget->item(0)).center());
    EXPECT_EQ(textOf(*member(list, "SelectedItem")), QStringLiteral("A"));
    EXPECT_EQ(read(*b, "Selected"), Variant(false));
}

TEST_F(BoundEvents, ItemClickNamesTheItemClicked)
{
    QString clicked;
    Control &list = boundTo("MSComctlLib.ListView", "ItemClick", readsTheItem(clicked));
    Held items = member(list, "ListItems");
    addItem(*items, 1, "a", "A");
    addItem(*items, 2, "b", "B");
    auto *widget = qobject_cast<QListWidget *>(widgetOf(list));
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                      widget->visualItemRect(widget->item(1)).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !clicked.isEmpty(); }, 5000));
    EXPECT_EQ(clicked, QStringLiteral("B"));
}

TEST_F(BoundEvents, ColumnClickNamesTheColumnClicked)
{
    QString clicked;
    Control &list = boundTo("MSComctlLib.ListView", "ColumnClick", readsTheItem(clicked));
    report(list, {});
    auto *header = widgetOf(list)->findChild<QHeaderView *>();
    ASSERT_NE(header, nullptr);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !clicked.isEmpty(); }, 5000));
    EXPECT_EQ(clicked, QStringLiteral("Size"));
}

void clickItem(Control &list, bool twice)
{
    Held items = member(list, "ListItems");
    addItem(*items, 1, "a", "A");
    auto *widget = qobject_cast<QListWidget *>(widgetOf(list));
    const QPoint at = widget->visualItemRect(widget->item(0)).center();
    if (twice)
        QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, at);
}

INSTANTIATE_TEST_SUITE_P(
    ListView, LibraryEvents,
    ::testing::Values(EventCase { "ItemClickOnAnItem", "MSComctlLib.ListView", "ItemClick",
                                  [](Control &c, QWidget *) { clickItem(c, false); } },
                      EventCase { "ClickOnAnItem", "MSComctlLib.ListView", "Click",
                                  [](Control &c, QWidget *) { clickItem(c, false); } },
                      EventCase { "DblClickOnAnItem", "MSComctlLib.ListView", "DblClick",
                                  [](Control &c, QWidget *) { clickItem(c, true); } },
                      EventCase { "ColumnClickOnItsHeader", "MSComctlLib.ListView", "ColumnClick",
                                  [](Control &c, QWidget *w) {
                                      report(c, {});
                                      auto *header = w->findChild<QHeaderView *>();
                                      QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                                                        QPoint(header->sectionViewportPosition(0) + 5,
                                                               header->height() / 2));
                                  } }),
    [](const auto &row) { return rowName(row); });

INSTANTIATE_TEST_SUITE_P(
    ListView, LibraryRefusals,
    ::testing::Values(Refusal { "SortKeyBelowZero", "MSComctlLib.ListView",
                                [](Control &c) { return c.put("SortKey", num(-1)); },
                                status::invalidPropertyValue,
                                "SortKey is 0 (the items' text) or the number of a sub-item" },
                      Refusal { "ViewNoneOfThem", "MSComctlLib.ListView",
                                [](Control &c) { return c.put("View", num(4)); },
                                status::invalidPropertyValue, "View = 4: not one of its values" }),
    [](const auto &row) { return rowName(row); });

Status addListItem(Control &list, std::vector<Variant> arguments)
{
    Variant added;
    return call(*member(list, "ListItems"), "Add", std::move(arguments), added);
}

INSTANTIATE_TEST_SUITE_P(
    ListItems, ItemRefusals,
    ::testing::Values(
        ItemRefusal { "DuplicateKey", "MSComctlLib.ListView",
                      [](Control &c, Control &) {
                          EXPECT_EQ(addListItem(c, { num(1), str("a"), str("A") }), status::ok);
                          return addListItem(c, { num(2), str("a"), str("B") });
                      },
                      keyNotUnique, ".ListItems", "Add: another item has the key \"a\"" },
        ItemRefusal { "ItemByAKeyNoItemHas", "MSComctlLib.ListView",
                      [](Control &c, Control &) {
                          Variant found;
                          return call(*member(c, "ListItems"), "Item", { str("nowhere") }, found);
                      },
                      elementNotFound, ".ListItems", "Item: no item has the key \"nowhere\"" },
        ItemRefusal { "AddBeyondTheEnd", "MSComctlLib.ListView",
                      [](Control &c, Control &) {
                          return addListItem(c, { num(2), str("a"), str("A") });
                      },
                      indexOutOfBounds, ".ListItems", "Index 2: a new one goes at 1 to 1" },
        ItemRefusal { "RemoveBeyondTheCount", "MSComctlLib.ListView",
                      [](Control &c, Control &) {
                          EXPECT_EQ(addListItem(c, { num(1), str("a"), str("A") }), status::ok);
                          return member(c, "ListItems")->call("Remove", { num(3) });
                      },
                      indexOutOfBounds, ".ListItems", "Remove: index 3: the items are 1 to 1" },
        ItemRefusal { "SubItemBeyondTheColumns", "MSComctlLib.ListView",
                      [](Control &c, Control &) {
                          Held items = report(c, { { "A", "1" } });
                          Variant sub;
                          return call(*item(*items, "Item", { num(1) }), "SubItems", { num(3) }, sub);
                      },
                      status::invalidPropertyValue, ".ListItems.Item",
                      "SubItems(3): the list has 3 columns, so an item's sub-items are 1 to 2" },
        ItemRefusal { "IconWithoutAnImageList", "MSComctlLib.ListView",
                      [](Control &c, Control &) {
                          return addListItem(c, { num(1), str("a"), str("A"), num(2) });
                      },
                      imageListNotInitialized, ".ListItems",
                      "ImageList must be initialized before it can be used: Icon 2" },
        ItemRefusal { "ItemOfAnotherList", "MSComctlLib.ListView",
                      [](Control &c, Control &other) {
                          Held theirs = addItem(*member(other, "ListItems"), 1, "", "Theirs");
                          return c.put("SelectedItem", theirs.value);
                      },
                      elementNotFound, "", "the item \"Theirs\" belongs to another list" },
        ItemRefusal {
            "ColumnKeyOfAnother", "MSComctlLib.ListView",
            [](Control &c, Control &) {
                report(c, {});
                Variant added;
                return call(*member(c, "ColumnHeaders"), "Add", { num(1), str("size"), str("Again") }, added);
            },
            keyNotUnique, ".ColumnHeaders", "another item has the key \"size\"" }),
    [](const auto &row) { return rowName(row); });

// ---- The image combo

// An image combo holding the items A, B and C, keyed a, b and c.
Held comboOfThree(Control &combo)
{
    Held items = member(combo, "ComboItems");
    for (const char *key : { "a", "b", "c" })
        item(*items, "Add", { none, str(key), Variant(QString::fromLatin1(key).toUpper()) });
    return items;
}

TEST_F(LibraryMembers, ComboItemsAreAddedFoundChosenAndRemoved)
{
    Control &combo = one("MSComctlLib.ImageCombo");
    ASSERT_EQ(combo.put("Text", str("typed")), status::ok);
    Held items = comboOfThree(combo);
    EXPECT_EQ(textOf(combo), QStringLiteral("typed")) << "adding items keeps the text in the edit field";
    Variant chosen;
    ASSERT_EQ(combo.get("SelectedItem", chosen), status::ok);
    EXPECT_EQ(objectOf(chosen), nullptr) << "adding items chooses none";
    Held first = item(*items, "Add", { num(1), str("z"), str("Z") });
    EXPECT_EQ(countOf(*items), 4);
    EXPECT_EQ(read(*item(*items, "Item", { str("b") }), "Index"), num(3));
    EXPECT_EQ(textOf(*item(*items, "Item", { num(1) })), QStringLiteral("Z"));

    ASSERT_EQ(item(*items, "Item", { str("c") })->put("Selected", Variant(true)), status::ok);
    EXPECT_EQ(textOf(combo), QStringLiteral("C"));
    EXPECT_EQ(textOf(*member(combo, "SelectedItem")), QStringLiteral("C"));

    ASSERT_EQ(items->call("Remove", { num(1) }), status::ok) << lastError().toStdString();
    Variant gone;
    EXPECT_EQ(first->get("Text", gone), status::objectNotSet);
    EXPECT_TRUE(lastError().contains(QStringLiteral("the object is gone")));
    EXPECT_EQ(items->call("Add", { none, str("a") }), keyNotUnique);
    EXPECT_TRUE(lastError().contains(QStringLiteral(".ComboItems: Add: another item has the key \"a\"")));
    ASSERT_EQ(items->call("Clear"), status::ok);
    EXPECT_EQ(countOf(*items), 0);
}

INSTANTIATE_TEST_SUITE_P(ImageCombo, LibraryEvents,
                         ::testing::Values(EventCase { "ClickByChoosingAnItemWithTheKeyboard",
                                                       "MSComctlLib.ImageCombo", "Click",
                                                       [](Control &c, QWidget *w) {
                                                           comboOfThree(c);
                                                           pressKey(w, Qt::Key_Down);
                                                       } },
                                           EventCase { "ChangeByTyping", "MSComctlLib.ImageCombo", "Change",
                                                       [](Control &, QWidget *w) {
                                                           w->setFocus();
                                                           QTest::keyClicks(w, QStringLiteral("x"));
                                                       } }),
                         [](const auto &row) { return rowName(row); });

} // namespace
} // namespace qv::test
