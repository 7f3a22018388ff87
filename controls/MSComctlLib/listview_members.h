#pragma once
// The list view's own members: its ListItems and their sub-items, its ColumnHeaders, the view, the item
// selected, sorting by the text or a sub-item, and the events of an item or a column header clicked.

#include <quorvane/member_object.h>
#include <quorvane/outcome.h>

#include <QHash>
#include <QVariant>
#include <vector>

class QListWidgetItem;

namespace qv::mscomctl
{

class ListViewWidget;
class ListItems;
class ColumnHeaders;

// One item of the list, standing for its row while the row is there.
class ListItem final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText STORED false)
    Q_PROPERTY(QString Key READ key WRITE setKey STORED false)
    Q_PROPERTY(int Index READ index STORED false)
    Q_PROPERTY(bool Selected READ selected WRITE setSelected STORED false)
    Q_PROPERTY(QString Tag READ tag WRITE setTag STORED false)
public:
    ListItem(ListItems &items, QListWidgetItem &row, QString key);

    const ListItems &items() const { return items_; }
    QListWidgetItem &row() const { return row_; }

    // SubItems(Index) reads the text under column Index + 1; SubItems(Index, Value) writes it.
    Q_INVOKABLE QString SubItems(int Index);
    Q_INVOKABLE void SubItems(int Index, const QString &Value);

    QString text() const;
    void setText(const QString &text);
    QString key() const { return key_; }
    void setKey(const QString &key);
    int index() const;
    bool selected() const;
    void setSelected(bool selected);
    QString tag() const { return tag_; }
    void setTag(const QString &tag) { tag_ = tag; }

private:
    bool refusedSubItem(int index);

    ListItems &items_;
    QListWidgetItem &row_;
    QString key_;
    QString tag_;
};

// The list's items, counted from 1 in the order the list shows them.
class ListItems final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(int Count READ count STORED false)
public:
    ListItems(ListViewWidget &list, QObject &owner);

    Q_INVOKABLE QObject *Add(const QVariant &Index = QVariant(), const QVariant &Key = QVariant(),
                             const QVariant &Text = QVariant(), const QVariant &Icon = QVariant(),
                             const QVariant &SmallIcon = QVariant());
    Q_INVOKABLE void Remove(const QVariant &Index);
    Q_INVOKABLE void Clear();
    Q_INVOKABLE QObject *Item(const QVariant &Index);

    int count() const;
    ListViewWidget &list() const { return list_; }
    ListItem *itemOf(const QListWidgetItem *row) const { return row ? byRow_.value(row) : nullptr; }
    QStringList keys() const;
    Outcome<ListItem *> find(const QVariant &index) const;

private:
    ListViewWidget &list_;
    QHash<const QListWidgetItem *, ListItem *> byRow_;
};

class ColumnHeader final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText STORED false)
    Q_PROPERTY(float Width READ width WRITE setWidth STORED false)
    Q_PROPERTY(QString Key READ key WRITE setKey STORED false)
    Q_PROPERTY(int Index READ index STORED false)
    Q_PROPERTY(int Alignment READ alignment WRITE setAlignment STORED false)
public:
    ColumnHeader(ColumnHeaders &headers, QString key);

    const ColumnHeaders &headers() const { return headers_; }
    QString text() const;
    void setText(const QString &text);
    // In twips.
    float width() const;
    void setWidth(float twips);
    QString key() const { return key_; }
    void setKey(const QString &key);
    int index() const;
    // ListColumnAlignmentConstants.
    int alignment() const;
    void setAlignment(int alignment);

private:
    int column() const { return index() - 1; }

    ColumnHeaders &headers_;
    QString key_;
};

// The report view's columns, counted from 1 left to right.
class ColumnHeaders final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(int Count READ count STORED false)
public:
    ColumnHeaders(ListViewWidget &list, QObject &owner);

    Q_INVOKABLE QObject *Add(const QVariant &Index = QVariant(), const QVariant &Key = QVariant(),
                             const QVariant &Text = QVariant(), const QVariant &Width = QVariant(),
                             const QVariant &Alignment = QVariant());
    Q_INVOKABLE void Remove(const QVariant &Index);
    Q_INVOKABLE void Clear();
    Q_INVOKABLE QObject *Item(const QVariant &Index);

    int count() const { return static_cast<int>(order_.size()); }
    ListViewWidget &list() const { return list_; }
    int positionOf(const ColumnHeader &header) const;
    ColumnHeader *at(int column) const;
    QStringList keys() const;
    Outcome<ColumnHeader *> find(const QVariant &index) const;

private:
    ListViewWidget &list_;
    std::vector<ColumnHeader *> order_;
};

class ListViewMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *ListItems READ listItems STORED false)
    Q_PROPERTY(QObject *ColumnHeaders READ columnHeaders STORED false)
    Q_PROPERTY(ListViewConstants View READ view WRITE setView STORED true)
    Q_PROPERTY(QObject *SelectedItem READ selectedItem WRITE setSelectedItem STORED false)
    Q_PROPERTY(bool Sorted READ sorted WRITE setSorted STORED false)
    Q_PROPERTY(int SortKey READ sortKey WRITE setSortKey STORED false)
    Q_PROPERTY(ListSortOrderConstants SortOrder READ sortOrder WRITE setSortOrder STORED false)
    Q_PROPERTY(bool MultiSelect READ multiSelect WRITE setMultiSelect STORED false)
    Q_PROPERTY(bool FullRowSelect READ fullRowSelect WRITE setFullRowSelect STORED false)
public:
    enum ListViewConstants { lvwIcon = 0, lvwSmallIcon = 1, lvwList = 2, lvwReport = 3 };
    Q_ENUM(ListViewConstants)
    enum ListSortOrderConstants { lvwAscending = 0, lvwDescending = 1 };
    Q_ENUM(ListSortOrderConstants)
    enum ListColumnAlignmentConstants { lvwColumnLeft = 0, lvwColumnRight = 1, lvwColumnCenter = 2 };
    Q_ENUM(ListColumnAlignmentConstants)

    explicit ListViewMembers(ListViewWidget &list);

    QObject *listItems() const;
    QObject *columnHeaders() const;
    ListViewConstants view() const;
    void setView(ListViewConstants view);
    QObject *selectedItem() const;
    void setSelectedItem(QObject *item);
    bool sorted() const;
    void setSorted(bool sorted);
    int sortKey() const;
    void setSortKey(int key);
    ListSortOrderConstants sortOrder() const;
    void setSortOrder(ListSortOrderConstants order);
    bool multiSelect() const;
    void setMultiSelect(bool multiple);
    bool fullRowSelect() const;
    void setFullRowSelect(bool full);

signals:
    void ItemClick(QObject *Item);
    void ColumnClick(QObject *ColumnHeader);
    // Raised for a click anywhere in the list, before an item's ItemClick.
    void Click();
    void DblClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void sort();

    ListViewWidget &list_;
    mscomctl::ListItems *items_;
    mscomctl::ColumnHeaders *headers_;
    ListSortOrderConstants order_ = lvwAscending;
};

} // namespace qv::mscomctl
