#pragma once
// The items of a collection a control hands out (a status bar's panels, a tool bar's buttons, a cool bar's
// bands), in the order the control shows them: found by a program's number from 1 or key, placed where a
// program adds one, and the whole numbers an Add takes as a Variant. Each Item is a member object with a
// key() of its own; the collection owns them and deletes one as it is removed, so that a program's Object of
// it then fails.

#include "controls/kit/keyed_items.h"

#include <QList>
#include <QVariant>
#include <optional>

namespace qv::kit
{

template<class Item> class ItemList
{
public:
    int count() const { return static_cast<int>(items_.size()); }
    Item *at(int position) const { return items_.at(position); }
    int positionOf(const Item &item) const { return static_cast<int>(items_.indexOf(&item)); }
    const QList<Item *> &all() const { return items_; }

    QStringList keys() const
    {
        QStringList keys;
        for (const Item *item : items_)
            keys << item->key();
        return keys;
    }

    Outcome<Item *> find(const QVariant &index) const
    {
        Outcome<int> at = findItem(index, keys());
        if (!at)
            return std::move(at).failure();
        return items_.at(at.value());
    }

    // Where a new item goes: before the item numbered `index` or just after the last (1 to count + 1), or
    // last when the program gives no index.
    Outcome<int> placeFor(const QVariant &index) const
    {
        if (!index.isValid() || index.isNull())
            return count();
        bool number = false;
        const double at = index.toDouble(&number);
        if (!number || index.metaType().id() == QMetaType::QString
            || index.metaType().id() == QMetaType::Bool)
            return failure(status::typeMismatch,
                           QStringLiteral("a new item's index is a number, not %1").arg(index.toString()));
        if (at < 1 || at > count() + 1 || at != static_cast<int>(at))
            return failure(indexOutOfBounds,
                           QStringLiteral("index %1: a new item goes at 1 to %2").arg(at).arg(count() + 1));
        return static_cast<int>(at) - 1;
    }

    // Why `item` (or a new item, when null) may not take the key: another item has it, or it is a number.
    std::optional<Failure> refusedKey(const QVariant &key, const Item *item = nullptr) const
    {
        QStringList others = keys();
        if (item)
            others.removeAt(positionOf(*item));
        return kit::refusedKey(key, others);
    }

    void insert(int position, Item &item) { items_.insert(position, &item); }
    Item *take(int position) { return items_.takeAt(position); }

private:
    QList<Item *> items_;
};

// A whole-number argument a program may leave out: `fallback` when it did, or why it is not one of `first`
// to `last` (`what` names the argument).
inline Outcome<int> wholeNumberArgument(const QVariant &value, int fallback, int first, int last,
                                        const QString &what)
{
    if (!value.isValid() || value.isNull())
        return fallback;
    bool number = false;
    const double given = value.toDouble(&number);
    if (!number || value.metaType().id() == QMetaType::QString || value.metaType().id() == QMetaType::Bool)
        return failure(status::typeMismatch,
                       QStringLiteral("%1 is a number, not %2").arg(what, value.toString()));
    if (given < first || given > last || given != static_cast<int>(given))
        return failure(status::invalidPropertyValue,
                       QStringLiteral("%1 %2: it is %3 to %4").arg(what).arg(given).arg(first).arg(last));
    return static_cast<int>(given);
}

// The common controls' error for an image named where the control has no image list to take it from.
inline constexpr Status noImageList = static_cast<Status>(0x800A8B1Du); // 35613

// Why an item may not show the image a program names (its number or key in an image list): this control
// has no image list, so only none (left out, 0 or empty) is an image it can show.
inline std::optional<Failure> refusedImage(const QVariant &image)
{
    if (!image.isValid() || image.isNull() || image.toString().isEmpty()
        || image.toString() == QLatin1String("0"))
        return std::nullopt;
    return failure(
        noImageList,
        QStringLiteral("image %1: the control has no image list to take it from").arg(image.toString()));
}

// A text argument a program may leave out: empty when it did.
inline QString textArgument(const QVariant &value)
{
    return value.isValid() && !value.isNull() ? value.toString() : QString();
}

} // namespace qv::kit
