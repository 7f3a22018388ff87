#include "treeview_members.h"
#include "item_pictures.h"

#include "controls/kit/keyed_items.h"

#include <QMouseEvent>
#include <QTreeWidget>
#include <algorithm>

namespace qv::mscomctl
{

namespace
{
// The relationship a program gave, or why it is none of them.
Outcome<int> relationshipOf(const QVariant &given)
{
    if (!given.isValid())
        return TreeViewMembers::tvwNext;
    bool number = false;
    const double value = given.toDouble(&number);
    constexpr double first = TreeViewMembers::tvwFirst;
    constexpr double last = TreeViewMembers::tvwChild;
    if (!number || value != static_cast<int>(value) || value < first || value > last)
        return failure(status::invalidProcedureCall,
                       QStringLiteral("Relationship %1: it is tvwFirst (0), tvwLast (1), tvwNext (2), "
                                      "tvwPrevious (3) or tvwChild (4)")
                           .arg(given.toString()));
    return static_cast<int>(value);
}

int siblingCount(const QTreeWidgetItem &item)
{
    return item.parent() ? item.parent()->childCount() : item.treeWidget()->topLevelItemCount();
}

int positionAmongSiblings(const QTreeWidgetItem &item)
{
    return item.parent() ? item.parent()->indexOfChild(const_cast<QTreeWidgetItem *>(&item))
                         : item.treeWidget()->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(&item));
}
} // namespace

// ---- Node

Node::Node(Nodes &nodes, QTreeWidgetItem &item, QString key)
    : MemberObject(&nodes)
    , nodes_(nodes)
    , item_(item)
    , key_(std::move(key))
{
}

QString Node::text() const
{
    return item_.text(0);
}

void Node::setText(const QString &text)
{
    item_.setText(0, text);
}

void Node::setKey(const QString &key)
{
    if (key == key_)
        return;
    QStringList others = nodes_.keys();
    others.removeAll(key_);
    if (std::optional<Failure> why = kit::refusedKey(key, others))
        return refuse(*std::move(why));
    key_ = key;
}

bool Node::expanded() const
{
    return item_.isExpanded();
}

void Node::setExpanded(bool expanded)
{
    item_.setExpanded(expanded);
}

bool Node::selected() const
{
    return item_.isSelected();
}

void Node::setSelected(bool selected)
{
    if (selected)
        nodes_.tree().setCurrentItem(&item_);
    else
        item_.setSelected(false);
}

int Node::index() const
{
    return nodes_.positionOf(*this) + 1;
}

int Node::childCount() const
{
    return item_.childCount();
}

QObject *Node::child() const
{
    return nodes_.nodeOf(item_.child(0));
}

QObject *Node::parentNode() const
{
    return nodes_.nodeOf(item_.parent());
}

QObject *Node::siblingAt(int position) const
{
    if (position < 0 || position >= siblingCount(item_))
        return nullptr;
    return nodes_.nodeOf(item_.parent() ? item_.parent()->child(position)
                                        : nodes_.tree().topLevelItem(position));
}

QObject *Node::sibling(int offset) const
{
    return siblingAt(positionAmongSiblings(item_) + offset);
}

QObject *Node::next() const
{
    return sibling(1);
}

QObject *Node::previous() const
{
    return sibling(-1);
}

QObject *Node::root() const
{
    const QTreeWidgetItem *top = &item_;
    while (top->parent())
        top = top->parent();
    return nodes_.nodeOf(top);
}

QObject *Node::firstSibling() const
{
    return siblingAt(0);
}

QObject *Node::lastSibling() const
{
    return siblingAt(siblingCount(item_) - 1);
}

QString Node::fullPath() const
{
    QStringList path;
    for (const QTreeWidgetItem *at = &item_; at; at = at->parent())
        path.prepend(at->text(0));
    return path.join(nodes_.pathSeparator);
}

// ---- Nodes

Nodes::Nodes(QTreeWidget &tree, QObject &owner)
    : MemberObject(&owner)
    , pathSeparator(QStringLiteral("\\"))
    , tree_(tree)
{
}

int Nodes::positionOf(const Node &node) const
{
    return static_cast<int>(std::find(order_.begin(), order_.end(), &node) - order_.begin());
}

QStringList Nodes::keys() const
{
    QStringList keys;
    keys.reserve(count());
    for (const Node *node : order_)
        keys.append(node->key());
    return keys;
}

Outcome<Node *> Nodes::find(const QVariant &index) const
{
    if (index.metaType().flags() & QMetaType::PointerToQObject) {
        auto *node = qobject_cast<Node *>(index.value<QObject *>());
        if (!node)
            return failure(status::typeMismatch,
                           QStringLiteral("a node is named by its number, its key or "
                                          "the Node itself, not by Nothing"));
        if (&node->nodes() != this)
            return failure(kit::elementNotFound,
                           QStringLiteral("the node \"%1\" belongs to another tree").arg(node->text()));
        return node;
    }
    Outcome<int> at = kit::findItem(index, keys());
    if (!at)
        return std::move(at).failure();
    return order_[static_cast<std::size_t>(at.value())];
}

void Nodes::place(QTreeWidgetItem &item, const Node *relative, int relationship)
{
    if (!relative)
        return tree_.addTopLevelItem(&item);
    QTreeWidgetItem &other = relative->item();
    if (relationship == TreeViewMembers::tvwChild)
        return other.addChild(&item);
    const int at = positionAmongSiblings(other);
    int position = at; // tvwPrevious
    if (relationship == TreeViewMembers::tvwFirst)
        position = 0;
    else if (relationship == TreeViewMembers::tvwLast)
        position = siblingCount(other);
    else if (relationship == TreeViewMembers::tvwNext)
        position = at + 1;
    if (other.parent())
        other.parent()->insertChild(position, &item);
    else
        tree_.insertTopLevelItem(position, &item);
}

QObject *Nodes::Add(const QVariant &Relative, const QVariant &Relationship, const QVariant &Key,
                    const QVariant &Text, const QVariant &Image, const QVariant &SelectedImage)
{
    Outcome<int> relationship = relationshipOf(Relationship);
    if (!relationship)
        return refuse(std::move(relationship).failure()), nullptr;
    const Node *relative = nullptr;
    if (Relative.isValid()) {
        Outcome<Node *> found = find(Relative);
        if (!found)
            return refuse(std::move(found).failure()), nullptr;
        relative = found.value();
    }
    if (std::optional<Failure> why = kit::refusedKey(Key, keys()))
        return refuse(*std::move(why)), nullptr;
    for (const auto &[argument, picture] :
         { std::pair { "Image", &Image }, { "SelectedImage", &SelectedImage } }) {
        if (std::optional<Failure> why = refusedPicture(argument, *picture))
            return refuse(*std::move(why)), nullptr;
    }
    auto *item = new QTreeWidgetItem(QStringList { kit::keyText(Text) });
    auto *node = new Node(*this, *item, kit::keyText(Key));
    order_.push_back(node);
    byItem_.insert(item, node);
    place(*item, relative, relationship.value());
    return node;
}

void Nodes::forget(QTreeWidgetItem &item)
{
    for (int i = 0; i < item.childCount(); ++i)
        forget(*item.child(i));
    if (Node *node = byItem_.take(&item)) {
        order_.erase(std::find(order_.begin(), order_.end(), node));
        delete node;
    }
}

void Nodes::Remove(const QVariant &Index)
{
    Outcome<Node *> found = find(Index);
    if (!found)
        return refuse(std::move(found).failure());
    QTreeWidgetItem *item = &found.value()->item();
    forget(*item);
    delete item;
}

void Nodes::Clear()
{
    for (Node *node : std::exchange(order_, {}))
        delete node;
    byItem_.clear();
    tree_.clear();
}

QObject *Nodes::Item(const QVariant &Index)
{
    Outcome<Node *> found = find(Index);
    if (!found)
        return refuse(std::move(found).failure()), nullptr;
    return found.value();
}

// ---- TreeViewMembers

TreeViewMembers::TreeViewMembers(QTreeWidget &tree)
    : tree_(tree)
    , nodes_(new mscomctl::Nodes(tree, *this))
{
    tree.viewport()->installEventFilter(this);
    connect(&tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        if (Node *node = nodes_->nodeOf(item))
            emit NodeClick(node);
    });
    connect(&tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *item) {
        if (Node *node = nodes_->nodeOf(item))
            emit Expand(node);
    });
    connect(&tree, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem *item) {
        if (Node *node = nodes_->nodeOf(item))
            emit Collapse(node);
    });
}

QObject *TreeViewMembers::nodes() const
{
    return nodes_;
}

QObject *TreeViewMembers::selectedItem() const
{
    const QList<QTreeWidgetItem *> selected = tree_.selectedItems();
    return selected.isEmpty() ? nullptr : nodes_->nodeOf(selected.first());
}

void TreeViewMembers::setSelectedItem(QObject *node)
{
    if (!node) {
        tree_.clearSelection();
        return;
    }
    Outcome<Node *> found = nodes_->find(QVariant::fromValue(node));
    if (!found)
        return refuse(std::move(found).failure());
    tree_.setCurrentItem(&found.value()->item());
}

QString TreeViewMembers::pathSeparator() const
{
    return nodes_->pathSeparator;
}

void TreeViewMembers::setPathSeparator(const QString &separator)
{
    nodes_->pathSeparator = separator;
}

int TreeViewMembers::indentation() const
{
    return tree_.indentation();
}

void TreeViewMembers::setIndentation(int pixels)
{
    if (pixels < 0 || pixels > 255)
        return refuse(status::invalidPropertyValue, QStringLiteral("the indentation is 0 to 255 pixels"));
    tree_.setIndentation(pixels);
}

// Watches the viewport alone, which takes the view's mouse input. The view itself is not asked which widget
// that is: its viewport still has events while the view is being destroyed.
bool TreeViewMembers::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        emit Click();
    else if (event->type() == QEvent::MouseButtonDblClick)
        emit DblClick();
    return false;
}

} // namespace qv::mscomctl
