#include "listview_members.h"
#include "item_pictures.h"
#include "listview.h"

#include "controls/interface/twips.h"
#include "controls/kit/keyed_items.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <algorithm>
#include <cmath>

namespace qv::mscomctl
{

namespace
{
// A column's width when a program gives none, in twips.
constexpr int defaultColumnWidth = 1440;
constexpr int mostColumnPixels = 32767;

// Where a program asks a new item or column to go, counted from 0; the end when it gave no Index.
Outcome<int> insertionAt(const QVariant &index, int count)
{
    if (!index.isValid())
        return count;
    bool number = false;
    const double at = index.toDouble(&number);
    if (!number || at != static_cast<int>(at))
        return failure(status::typeMismatch,
                       QStringLiteral("Index %1 is not a number").arg(index.toString()));
    if (at < 1 || at > count + 1)
        return failure(kit::indexOutOfBounds,
                       QStringLiteral("Index %1: a new one goes at 1 to %2").arg(at).arg(count + 1));
    return static_cast<int>(at) - 1;
}

// Why another may not take `key` from `mine`: refusedKey over the keys of all the others.
std::optional<Failure> refusedNewKey(const QString &key, const QString &mine, QStringList keys)
{
    keys.removeOne(mine);
    return kit::refusedKey(key, keys);
}
} // namespace

// ---- ListItem

ListItem::ListItem(ListItems &items, QListWidgetItem &row, QString key)
    : MemberObject(&items)
    , items_(items)
    , row_(row)
    , key_(std::move(key))
{
}

QString ListItem::text() const
{
    return row_.text();
}

void ListItem::setText(const QString &text)
{
    row_.setText(text);
}

void ListItem::setKey(const QString &key)
{
    if (key == key_)
        return;
    if (std::optional<Failure> why = refusedNewKey(key, key_, items_.keys()))
        return refuse(*std::move(why));
    key_ = key;
}

int ListItem::index() const
{
    return items_.list().row(&row_) + 1;
}

bool ListItem::selected() const
{
    return row_.isSelected();
}

void ListItem::setSelected(bool selected)
{
    if (selected && items_.list().selectionMode() == QAbstractItemView::SingleSelection)
        items_.list().setCurrentItem(&row_);
    else
        row_.setSelected(selected);
}

bool ListItem::refusedSubItem(int index)
{
    const int columns = items_.list().columns().columnCount();
    if (index >= 1 && index < columns)
        return false;
    refuse(status::invalidPropertyValue,
           columns < 2
               ? QStringLiteral("SubItems(%1): the list has %2 columns, so its items have no sub-items")
                     .arg(index)
                     .arg(columns)
               : QStringLiteral("SubItems(%1): the list has %2 columns, so an item's sub-items are 1 to %3")
                     .arg(index)
                     .arg(columns)
                     .arg(columns - 1));
    return true;
}

QString ListItem::SubItems(int Index)
{
    if (refusedSubItem(Index))
        return {};
    return ListViewWidget::cellText(row_, Index);
}

void ListItem::SubItems(int Index, const QString &Value)
{
    if (refusedSubItem(Index))
        return;
    row_.setData(ListViewWidget::subItemRole(Index), Value);
    items_.list().viewport()->update();
}

// ---- ListItems

ListItems::ListItems(ListViewWidget &list, QObject &owner)
    : MemberObject(&owner)
    , list_(list)
{
}

int ListItems::count() const
{
    return list_.count();
}

QStringList ListItems::keys() const
{
    QStringList keys;
    for (int row = 0; row < list_.count(); ++row) {
        const ListItem *item = itemOf(list_.item(row));
        keys.append(item ? item->key() : QString());
    }
    return keys;
}

Outcome<ListItem *> ListItems::find(const QVariant &index) const
{
    if (index.metaType().flags() & QMetaType::PointerToQObject) {
        auto *item = qobject_cast<ListItem *>(index.value<QObject *>());
        if (!item)
            return failure(status::typeMismatch,
                           QStringLiteral("an item is named by its number, its key or "
                                          "the ListItem itself, not by Nothing"));
        if (&item->items() != this)
            return failure(kit::elementNotFound,
                           QStringLiteral("the item \"%1\" belongs to another list").arg(item->text()));
        return item;
    }
    Outcome<int> at = kit::findItem(index, keys());
    if (!at)
        return std::move(at).failure();
    return itemOf(list_.item(at.value()));
}

QObject *ListItems::Add(const QVariant &Index, const QVariant &Key, const QVariant &Text,
                        const QVariant &Icon, const QVariant &SmallIcon)
{
    Outcome<int> at = insertionAt(Index, count());
    if (!at)
        return refuse(std::move(at).failure()), nullptr;
    if (std::optional<Failure> why = kit::refusedKey(Key, keys()))
        return refuse(*std::move(why)), nullptr;
    for (const auto &[argument, picture] : { std::pair { "Icon", &Icon }, { "SmallIcon", &SmallIcon } }) {
        if (std::optional<Failure> why = refusedPicture(argument, *picture))
            return refuse(*std::move(why)), nullptr;
    }
    auto *row = new ListRow(kit::keyText(Text));
    auto *item = new ListItem(*this, *row, kit::keyText(Key));
    byRow_.insert(row, item);
    // A sorted list places the row where its order says.
    list_.insertItem(at.value(), row);
    return item;
}

void ListItems::Remove(const QVariant &Index)
{
    Outcome<ListItem *> found = find(Index);
    if (!found)
        return refuse(std::move(found).failure());
    QListWidgetItem *row = &found.value()->row();
    byRow_.remove(row);
    delete found.value();
    delete row;
}

void ListItems::Clear()
{
    for (ListItem *item : std::as_const(byRow_))
        delete item;
    byRow_.clear();
    list_.clear();
}

QObject *ListItems::Item(const QVariant &Index)
{
    Outcome<ListItem *> found = find(Index);
    if (!found)
        return refuse(std::move(found).failure()), nullptr;
    return found.value();
}

// ---- ColumnHeader

ColumnHeader::ColumnHeader(ColumnHeaders &headers, QString key)
    : MemberObject(&headers)
    , headers_(headers)
    , key_(std::move(key))
{
}

QString ColumnHeader::text() const
{
    return headers_.list().columns().headerData(column(), Qt::Horizontal).toString();
}

void ColumnHeader::setText(const QString &text)
{
    headers_.list().columns().setHeaderData(column(), Qt::Horizontal, text);
}

float ColumnHeader::width() const
{
    const ListViewWidget &list = headers_.list();
    return static_cast<float>(TwipsScale::of(list).toTwipsX(list.header().sectionSize(column())));
}

void ColumnHeader::setWidth(float twips)
{
    ListViewWidget &list = headers_.list();
    const TwipsScale scale = TwipsScale::of(list);
    if (!(twips >= 0) || twips > static_cast<float>(scale.toTwipsX(mostColumnPixels)))
        return refuse(
            status::invalidPropertyValue,
            QStringLiteral("a column's width is 0 to %1 twips").arg(scale.toTwipsX(mostColumnPixels)));
    list.header().resizeSection(column(), scale.toPixelsX(static_cast<int>(std::lround(twips))));
}

void ColumnHeader::setKey(const QString &key)
{
    if (key == key_)
        return;
    if (std::optional<Failure> why = refusedNewKey(key, key_, headers_.keys()))
        return refuse(*std::move(why));
    key_ = key;
}

int ColumnHeader::index() const
{
    return headers_.positionOf(*this) + 1;
}

int ColumnHeader::alignment() const
{
    const int flags
        = headers_.list().columns().headerData(column(), Qt::Horizontal, Qt::TextAlignmentRole).toInt();
    return (flags & Qt::AlignRight)  ? ListViewMembers::lvwColumnRight
        : (flags & Qt::AlignHCenter) ? ListViewMembers::lvwColumnCenter
                                     : ListViewMembers::lvwColumnLeft;
}

void ColumnHeader::setAlignment(int alignment)
{
    static constexpr Qt::Alignment alignments[] = { Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter };
    if (alignment < ListViewMembers::lvwColumnLeft || alignment > ListViewMembers::lvwColumnCenter)
        return refuse(
            status::invalidPropertyValue,
            QStringLiteral("Alignment is lvwColumnLeft (0), lvwColumnRight (1) or lvwColumnCenter (2)"));
    headers_.list().columns().setHeaderData(
        column(), Qt::Horizontal, int(alignments[alignment] | Qt::AlignVCenter), Qt::TextAlignmentRole);
    headers_.list().viewport()->update();
}

// ---- ColumnHeaders

ColumnHeaders::ColumnHeaders(ListViewWidget &list, QObject &owner)
    : MemberObject(&owner)
    , list_(list)
{
}

int ColumnHeaders::positionOf(const ColumnHeader &header) const
{
    return static_cast<int>(std::find(order_.begin(), order_.end(), &header) - order_.begin());
}

ColumnHeader *ColumnHeaders::at(int column) const
{
    return column >= 0 && column < count() ? order_[static_cast<std::size_t>(column)] : nullptr;
}

QStringList ColumnHeaders::keys() const
{
    QStringList keys;
    for (const ColumnHeader *header : order_)
        keys.append(header->key());
    return keys;
}

Outcome<ColumnHeader *> ColumnHeaders::find(const QVariant &index) const
{
    if (index.metaType().flags() & QMetaType::PointerToQObject) {
        auto *header = qobject_cast<ColumnHeader *>(index.value<QObject *>());
        if (!header || &header->headers() != this)
            return failure(kit::elementNotFound, QStringLiteral("the column is not one of this list's"));
        return header;
    }
    Outcome<int> column = kit::findItem(index, keys());
    if (!column)
        return std::move(column).failure();
    return at(column.value());
}

QObject *ColumnHeaders::Add(const QVariant &Index, const QVariant &Key, const QVariant &Text,
                            const QVariant &Width, const QVariant &Alignment)
{
    Outcome<int> position = insertionAt(Index, count());
    if (!position)
        return refuse(std::move(position).failure()), nullptr;
    if (std::optional<Failure> why = kit::refusedKey(Key, keys()))
        return refuse(*std::move(why)), nullptr;
    bool number = true;
    const double width = Width.isValid() ? Width.toDouble(&number) : defaultColumnWidth;
    const int alignment = Alignment.isValid() ? Alignment.toInt() : ListViewMembers::lvwColumnLeft;
    if (!number)
        return refuse(status::typeMismatch, QStringLiteral("Width %1 is not a number").arg(Width.toString())),
               nullptr;
    auto *header = new ColumnHeader(*this, kit::keyText(Key));
    const int column = position.value();
    list_.columns().insertColumn(column);
    order_.insert(order_.begin() + column, header);
    header->setText(kit::keyText(Text));
    header->setWidth(static_cast<float>(width));
    header->setAlignment(alignment);
    if (std::optional<Failure> why = header->takeRefusal()) {
        Remove(column + 1);
        return refuse(*std::move(why)), nullptr;
    }
    return header;
}

void ColumnHeaders::Remove(const QVariant &Index)
{
    Outcome<ColumnHeader *> found = find(Index);
    if (!found)
        return refuse(std::move(found).failure());
    const int column = positionOf(*found.value());
    order_.erase(order_.begin() + column);
    delete found.value();
    list_.columns().removeColumn(column);
    list_.viewport()->update();
}

void ColumnHeaders::Clear()
{
    for (ColumnHeader *header : std::exchange(order_, {}))
        delete header;
    list_.columns().setColumnCount(0);
    list_.viewport()->update();
}

QObject *ColumnHeaders::Item(const QVariant &Index)
{
    Outcome<ColumnHeader *> found = find(Index);
    if (!found)
        return refuse(std::move(found).failure()), nullptr;
    return found.value();
}

// ---- ListViewMembers

ListViewMembers::ListViewMembers(ListViewWidget &list)
    : list_(list)
    , items_(new mscomctl::ListItems(list, *this))
    , headers_(new mscomctl::ColumnHeaders(list, *this))
{
    list.viewport()->installEventFilter(this);
    connect(&list, &QListWidget::itemClicked, this, [this](QListWidgetItem *row) {
        if (ListItem *item = items_->itemOf(row))
            emit ItemClick(item);
    });
    connect(&list.header(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (ColumnHeader *header = headers_->at(column))
            emit ColumnClick(header);
    });
}

QObject *ListViewMembers::listItems() const
{
    return items_;
}

QObject *ListViewMembers::columnHeaders() const
{
    return headers_;
}

ListViewMembers::ListViewConstants ListViewMembers::view() const
{
    return static_cast<ListViewConstants>(list_.view());
}

void ListViewMembers::setView(ListViewConstants view)
{
    list_.setView(view);
}

QObject *ListViewMembers::selectedItem() const
{
    QListWidgetItem *current = list_.currentItem();
    if (current && current->isSelected())
        return items_->itemOf(current);
    const QList<QListWidgetItem *> selected = list_.selectedItems();
    return selected.isEmpty() ? nullptr : items_->itemOf(selected.first());
}

void ListViewMembers::setSelectedItem(QObject *item)
{
    if (!item) {
        list_.clearSelection();
        return;
    }
    Outcome<ListItem *> found = items_->find(QVariant::fromValue(item));
    if (!found)
        return refuse(std::move(found).failure());
    list_.setCurrentItem(&found.value()->row());
}

bool ListViewMembers::sorted() const
{
    return list_.isSortingEnabled();
}

void ListViewMembers::setSorted(bool sorted)
{
    list_.setSortingEnabled(sorted);
    sort();
}

int ListViewMembers::sortKey() const
{
    return list_.sortColumn();
}

void ListViewMembers::setSortKey(int key)
{
    if (key < 0 || key > 32767)
        return refuse(
            status::invalidPropertyValue,
            QStringLiteral("SortKey is 0 (the items' text) or the number of a sub-item, up to 32767"));
    list_.setSortColumn(key);
    sort();
}

ListViewMembers::ListSortOrderConstants ListViewMembers::sortOrder() const
{
    return order_;
}

void ListViewMembers::setSortOrder(ListSortOrderConstants order)
{
    order_ = order;
    sort();
}

void ListViewMembers::sort()
{
    if (list_.isSortingEnabled())
        list_.sortItems(order_ == lvwAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

bool ListViewMembers::multiSelect() const
{
    return list_.selectionMode() == QAbstractItemView::ExtendedSelection;
}

void ListViewMembers::setMultiSelect(bool multiple)
{
    list_.setSelectionMode(multiple ? QAbstractItemView::ExtendedSelection
                                    : QAbstractItemView::SingleSelection);
}

bool ListViewMembers::fullRowSelect() const
{
    return list_.fullRowSelect();
}

void ListViewMembers::setFullRowSelect(bool full)
{
    list_.setFullRowSelect(full);
}

// Watches the viewport alone, which takes the view's mouse input. The view itself is not asked which widget
// that is: its viewport still has events while the view is being destroyed.
bool ListViewMembers::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        emit Click();
    else if (event->type() == QEvent::MouseButtonDblClick)
        emit DblClick();
    return false;
}

} // namespace qv::mscomctl
