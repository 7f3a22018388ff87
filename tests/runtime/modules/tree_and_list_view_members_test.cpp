// The tree view's, the list view's and the image combo's own members through the runtime, as a program
// drives them: their collections by number and key, items placed where a program asks, events from real
// input naming the item, refusals naming whose member and why, and an item's Object failing once the item
// is removed.

#include "support/library_members_fixture.h"
#include <quorvane/object.h>

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

} // namespace
} // namespace qv::test
