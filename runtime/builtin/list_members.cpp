#include "runtime/builtin/list_members.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace qv::builtin
{

namespace
{
constexpr int itemDataRole = Qt::UserRole;
} // namespace

bool IndexedListMembers::refusedIndex(int index, int end, Status status)
{
    if (index >= firstIndex() && index < end)
        return false;
    refuse(status,
           QStringLiteral("index %1 is outside the list's items %2 to %3")
               .arg(index)
               .arg(firstIndex())
               .arg(end - 1));
    return true;
}

void IndexedListMembers::setListIndex(int index)
{
    // -1 selects nothing.
    if (index != -1 && refusedIndex(index, listCount(), status::invalidPropertyValue))
        return;
    select(index);
}

QString IndexedListMembers::List(int index)
{
    if (index < firstIndex() && refusedIndex(index, listCount()))
        return {};
    return index < listCount() ? item(index) : QString();
}

void ListMembers::AddItem(const QString &item, int index)
{
    if (index == keep)
        index = listCount();
    else if (refusedIndex(index, listCount() + 1))
        return;
    insert(index, item);
}

void ListMembers::RemoveItem(int index)
{
    if (!refusedIndex(index, listCount()))
        remove(index);
}

void ListMembers::Clear()
{
    removeAll();
}

void ListMembers::List(int index, const QString &value)
{
    if (!refusedIndex(index, listCount()))
        setItem(index, value);
}

int ListMembers::ItemData(int index)
{
    return refusedIndex(index, listCount()) ? 0 : data(index);
}

void ListMembers::ItemData(int index, int value)
{
    if (!refusedIndex(index, listCount()))
        setData(index, value);
}

ListBoxMembers::ListBoxMembers(QListWidget &list, const ControlRecord &record)
    : ListMembers(list, record)
{
    connect(&list, &QListWidget::itemClicked, this, &ListMembers::Click);
    connect(&list, &QListWidget::itemDoubleClicked, this, &WindowedMembers::DblClick);
}

QListWidget &ListBoxMembers::list() const
{
    return static_cast<QListWidget &>(*widget());
}

int ListBoxMembers::listIndex() const
{
    return list().currentRow();
}

int ListBoxMembers::listCount() const
{
    return list().count();
}

QString ListBoxMembers::text() const
{
    const QListWidgetItem *current = list().currentItem();
    return current ? current->text() : QString();
}

void ListBoxMembers::setText(const QString &text)
{
    // No text: no item chosen.
    if (text.isEmpty())
        return select(-1);
    const QList<QListWidgetItem *> found = list().findItems(text, Qt::MatchExactly);
    if (found.isEmpty())
        return refuse(status::invalidPropertyValue, QStringLiteral("the list has no item \"%1\"").arg(text));
    list().setCurrentItem(found.first());
}

void ListBoxMembers::select(int index)
{
    list().setCurrentRow(index);
    if (index == -1)
        list().clearSelection();
}

void ListBoxMembers::insert(int index, const QString &item)
{
    list().insertItem(index, item);
}

void ListBoxMembers::remove(int index)
{
    delete list().takeItem(index);
}

void ListBoxMembers::removeAll()
{
    list().clear();
}

QString ListBoxMembers::item(int index) const
{
    return list().item(index)->text();
}

void ListBoxMembers::setItem(int index, const QString &item)
{
    list().item(index)->setText(item);
}

int ListBoxMembers::data(int index) const
{
    return list().item(index)->data(itemDataRole).toInt();
}

void ListBoxMembers::setData(int index, int value)
{
    list().item(index)->setData(itemDataRole, value);
}

ComboBoxMembers::ComboBoxMembers(QComboBox &combo, const ControlRecord &record)
    : ListMembers(combo, record)
{
    connect(&combo, &QComboBox::activated, this, &ListMembers::Click);
    connect(&combo, &QComboBox::editTextChanged, this, &ComboBoxMembers::Change);
}

QComboBox &ComboBoxMembers::combo() const
{
    return static_cast<QComboBox &>(*widget());
}

int ComboBoxMembers::listIndex() const
{
    return combo().currentIndex();
}

int ComboBoxMembers::listCount() const
{
    return combo().count();
}

QString ComboBoxMembers::text() const
{
    return combo().currentText();
}

void ComboBoxMembers::setText(const QString &text)
{
    if (combo().isEditable())
        return combo().setEditText(text);
    if (text.isEmpty())
        return select(-1);
    const int found = combo().findText(text, Qt::MatchExactly);
    if (found < 0)
        return refuse(status::invalidPropertyValue, QStringLiteral("the list has no item \"%1\"").arg(text));
    combo().setCurrentIndex(found);
}

void ComboBoxMembers::select(int index)
{
    combo().setCurrentIndex(index);
}

void ComboBoxMembers::insert(int index, const QString &item)
{
    combo().insertItem(index, item);
}

void ComboBoxMembers::remove(int index)
{
    combo().removeItem(index);
}

void ComboBoxMembers::removeAll()
{
    combo().clear();
}

QString ComboBoxMembers::item(int index) const
{
    return combo().itemText(index);
}

void ComboBoxMembers::setItem(int index, const QString &item)
{
    combo().setItemText(index, item);
}

int ComboBoxMembers::data(int index) const
{
    return combo().itemData(index, itemDataRole).toInt();
}

void ComboBoxMembers::setData(int index, int value)
{
    combo().setItemData(index, value, itemDataRole);
}

} // namespace qv::builtin
