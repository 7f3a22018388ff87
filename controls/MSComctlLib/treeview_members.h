#pragma once
// The tree view's own members: its Nodes, each placed by a relative node and a relationship, the node
// selected, and the events of a node clicked, expanded or collapsed.

#include <quorvane/member_object.h>
#include <quorvane/outcome.h>

#include <QHash>
#include <QVariant>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace qv::mscomctl
{

class Nodes;

// One node of the tree, standing for its item while the item is there.
class Node final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText STORED false)
    Q_PROPERTY(QString Key READ key WRITE setKey STORED false)
    Q_PROPERTY(bool Expanded READ expanded WRITE setExpanded STORED false)
    Q_PROPERTY(bool Selected READ selected WRITE setSelected STORED false)
    Q_PROPERTY(int Index READ index STORED false)
    Q_PROPERTY(int Children READ childCount STORED false)
    Q_PROPERTY(QObject *Child READ child STORED false)
    Q_PROPERTY(QObject *Parent READ parentNode STORED false)
    Q_PROPERTY(QObject *Next READ next STORED false)
    Q_PROPERTY(QObject *Previous READ previous STORED false)
    Q_PROPERTY(QObject *Root READ root STORED false)
    Q_PROPERTY(QObject *FirstSibling READ firstSibling STORED false)
    Q_PROPERTY(QObject *LastSibling READ lastSibling STORED false)
    Q_PROPERTY(QString FullPath READ fullPath STORED false)
    Q_PROPERTY(QString Tag READ tag WRITE setTag STORED false)
public:
    Node(Nodes &nodes, QTreeWidgetItem &item, QString key);

    const Nodes &nodes() const { return nodes_; }
    QTreeWidgetItem &item() const { return item_; }

    QString text() const;
    void setText(const QString &text);
    QString key() const { return key_; }
    void setKey(const QString &key);
    bool expanded() const;
    void setExpanded(bool expanded);
    bool selected() const;
    void setSelected(bool selected);
    int index() const;
    int childCount() const;
    QObject *child() const;
    QObject *parentNode() const;
    QObject *next() const;
    QObject *previous() const;
    QObject *root() const;
    QObject *firstSibling() const;
    QObject *lastSibling() const;
    QString fullPath() const;
    QString tag() const { return tag_; }
    void setTag(const QString &tag) { tag_ = tag; }

private:
    // The node `offset` places from this one among its siblings, or null past either end.
    QObject *sibling(int offset) const;
    QObject *siblingAt(int position) const;

    Nodes &nodes_;
    QTreeWidgetItem &item_;
    QString key_;
    QString tag_;
};

// The tree's nodes, counted from 1 in the order they were added.
class Nodes final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(int Count READ count STORED false)
public:
    Nodes(QTreeWidget &tree, QObject &owner);

    // Without a relative the node is the last at the top; with one, Relationship places it (tvwNext when
    // left out).
    Q_INVOKABLE QObject *Add(const QVariant &Relative = QVariant(), const QVariant &Relationship = QVariant(),
                             const QVariant &Key = QVariant(), const QVariant &Text = QVariant(),
                             const QVariant &Image = QVariant(), const QVariant &SelectedImage = QVariant());
    // Removes the node and every node below it.
    Q_INVOKABLE void Remove(const QVariant &Index);
    Q_INVOKABLE void Clear();
    Q_INVOKABLE QObject *Item(const QVariant &Index);

    int count() const { return static_cast<int>(order_.size()); }
    QTreeWidget &tree() const { return tree_; }
    // The node of an item; null for none.
    Node *nodeOf(const QTreeWidgetItem *item) const { return item ? byItem_.value(item) : nullptr; }
    int positionOf(const Node &node) const;
    QStringList keys() const;
    // The node a program names by its number, its key or itself.
    Outcome<Node *> find(const QVariant &index) const;

    QString pathSeparator;

private:
    void place(QTreeWidgetItem &item, const Node *relative, int relationship);
    // Lets go of the nodes of the item and of every item below it.
    void forget(QTreeWidgetItem &item);

    QTreeWidget &tree_;
    std::vector<Node *> order_;
    QHash<const QTreeWidgetItem *, Node *> byItem_;
};

class TreeViewMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *Nodes READ nodes STORED false)
    Q_PROPERTY(QObject *SelectedItem READ selectedItem WRITE setSelectedItem STORED false)
    Q_PROPERTY(QString PathSeparator READ pathSeparator WRITE setPathSeparator STORED false)
    Q_PROPERTY(int Indentation READ indentation WRITE setIndentation STORED true)
public:
    enum TreeRelationshipConstants { tvwFirst = 0, tvwLast = 1, tvwNext = 2, tvwPrevious = 3, tvwChild = 4 };
    Q_ENUM(TreeRelationshipConstants)

    explicit TreeViewMembers(QTreeWidget &tree);

    QObject *nodes() const;
    QObject *selectedItem() const;
    void setSelectedItem(QObject *node);
    QString pathSeparator() const;
    void setPathSeparator(const QString &separator);
    int indentation() const;
    void setIndentation(int pixels);

signals:
    void NodeClick(QObject *Node);
    void Expand(QObject *Node);
    void Collapse(QObject *Node);
    // Raised for a click anywhere in the tree, before a node's NodeClick.
    void Click();
    void DblClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTreeWidget &tree_;
    mscomctl::Nodes *nodes_;
};

} // namespace qv::mscomctl
