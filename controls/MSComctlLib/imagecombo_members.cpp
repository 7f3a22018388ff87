#include "imagecombo_members.h"

#include <QComboBox>

namespace qv::mscomctl
{

ComboItem::ComboItem(ComboItems &items)
    : MemberObject(&items)
    , items_(items)
{
}

QString ComboItem::text() const
{
    return items_.combo().itemText(items_.positionOf(*this));
}

void ComboItem::setText(const QString &text)
{
    items_.combo().setItemText(items_.positionOf(*this), text);
}

void ComboItem::setKey(const QString &key)
{
    if (std::optional<Failure> refused = items_.refusedKey(key, *this))
        return refuse(*std::move(refused));
    key_ = key;
}

int ComboItem::index() const
{
    return items_.positionOf(*this) + 1;
}

bool ComboItem::selected() const
{
    return items_.combo().currentIndex() == items_.positionOf(*this);
}

// Choosing an item shows its text; unchoosing the chosen one leaves the combo with none.
void ComboItem::setSelected(bool selected)
{
    if (selected)
        items_.combo().setCurrentIndex(items_.positionOf(*this));
    else if (this->selected())
        items_.combo().setCurrentIndex(-1);
}

ComboItems::ComboItems(QComboBox &combo)
    : combo_(combo)
{
}

QObject *ComboItems::Add(const QVariant &Index, const QVariant &Key, const QVariant &Text,
                         const QVariant &Image, const QVariant &SelImage)
{
    const Outcome<int> at = items_.placeFor(Index);
    if (!at) {
        refuse(at.failure());
        return nullptr;
    }
    for (const QVariant &picture : { Image, SelImage }) {
        if (std::optional<Failure> refused = kit::refusedImage(picture)) {
            refuse(*std::move(refused));
            return nullptr;
        }
    }
    if (std::optional<Failure> refused = items_.refusedKey(Key)) {
        refuse(*std::move(refused));
        return nullptr;
    }
    auto *item = new ComboItem(*this);
    items_.insert(at.value(), *item);
    // Adding to the list chooses nothing and leaves the text in the edit field (Qt would choose the first
    // item put into an empty list).
    const QString text = combo_.currentText();
    const QSignalBlocker quiet(combo_);
    const bool noneChosen = combo_.currentIndex() < 0;
    combo_.insertItem(at.value(), kit::textArgument(Text));
    if (noneChosen)
        combo_.setCurrentIndex(-1);
    combo_.setEditText(text);
    item->setKey(kit::keyText(Key));
    return item;
}

QObject *ComboItems::Item(const QVariant &Index)
{
    Outcome<ComboItem *> found = items_.find(Index);
    if (!found) {
        refuse(std::move(found).failure());
        return nullptr;
    }
    return found.value();
}

void ComboItems::Remove(const QVariant &Index)
{
    Outcome<ComboItem *> found = items_.find(Index);
    if (!found)
        return refuse(std::move(found).failure());
    const int position = items_.positionOf(*found.value());
    delete items_.take(position);
    combo_.removeItem(position);
}

void ComboItems::Clear()
{
    while (count() > 0)
        Remove(QVariant(1));
}

ImageComboMembers::ImageComboMembers(QComboBox &combo)
    : combo_(combo)
    , items_(new ComboItems(combo))
{
    items_->setParent(this);
    // Another item chosen, by the user or by the program's Selected; none chosen is no click.
    connect(&combo, &QComboBox::currentIndexChanged, this, [this](int position) {
        if (position >= 0)
            emit Click();
    });
    connect(&combo, &QComboBox::editTextChanged, this, &ImageComboMembers::Change);
}

QString ImageComboMembers::text() const
{
    return combo_.currentText();
}

void ImageComboMembers::setText(const QString &text)
{
    combo_.setEditText(text);
}

QObject *ImageComboMembers::selectedItem() const
{
    return items_->at(combo_.currentIndex());
}

} // namespace qv::mscomctl
