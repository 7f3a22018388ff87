#pragma once
// The image combo's own members: its items (ComboItems), the text in its edit field, and the item chosen.

#include "controls/kit/item_list.h"

#include <quorvane/member_object.h>

class QComboBox;

namespace qv::mscomctl
{

class ComboItems;

// One item of the list, as a program reaches it through ComboItems.
class ComboItem final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText STORED false)
    Q_PROPERTY(QString Key READ key WRITE setKey STORED false)
    Q_PROPERTY(int Index READ index STORED false)
    Q_PROPERTY(bool Selected READ selected WRITE setSelected STORED false)
    Q_PROPERTY(QString Tag READ tag WRITE setTag STORED false)
public:
    explicit ComboItem(ComboItems &items);

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
    ComboItems &items_;
    QString key_;
    QString tag_;
};

// The list's items, counted from 1 from the top.
class ComboItems final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(int Count READ count STORED false)
public:
    explicit ComboItems(QComboBox &combo);

    int count() const { return items_.count(); }
    QComboBox &combo() const { return combo_; }
    int positionOf(const ComboItem &item) const { return items_.positionOf(item); }
    ComboItem *at(int position) const
    {
        return position >= 0 && position < count() ? items_.at(position) : nullptr;
    }
    std::optional<Failure> refusedKey(const QString &key, const ComboItem &item) const
    {
        return items_.refusedKey(key, &item);
    }

    Q_INVOKABLE QObject *Add(const QVariant &Index = QVariant(), const QVariant &Key = QVariant(),
                             const QVariant &Text = QVariant(), const QVariant &Image = QVariant(),
                             const QVariant &SelImage = QVariant());
    Q_INVOKABLE QObject *Item(const QVariant &Index);
    Q_INVOKABLE void Remove(const QVariant &Index);
    Q_INVOKABLE void Clear();

private:
    QComboBox &combo_;
    kit::ItemList<ComboItem> items_;
};

class ImageComboMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *ComboItems READ comboItems STORED false)
    Q_PROPERTY(QString Text READ text WRITE setText STORED true)
    // Read-only: an item is chosen through its Selected, as each read hands out an object of its own.
    Q_PROPERTY(QObject *SelectedItem READ selectedItem STORED false)
public:
    explicit ImageComboMembers(QComboBox &combo);

    QObject *comboItems() const { return items_; }
    QString text() const;
    void setText(const QString &text);
    QObject *selectedItem() const;

signals:
    // An item was chosen, from the list or by the program.
    void Click();
    // The text in the edit field changed.
    void Change();

private:
    QComboBox &combo_;
    ComboItems *items_;
};

} // namespace qv::mscomctl
