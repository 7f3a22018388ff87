#pragma once
// The collections a control hands out (a tree's Nodes, a status bar's Panels, a toolbar's Buttons): an item
// named by a program as its collections name them, by a number counted from 1 or by the key the program gave
// it, and the errors those collections raise.

#include <quorvane/outcome.h>

#include <QStringList>
#include <QVariant>
#include <optional>

namespace qv::kit
{

// The common controls' collection errors.
inline constexpr Status indexOutOfBounds = static_cast<Status>(0x800A8B10u); // 35600
inline constexpr Status elementNotFound = static_cast<Status>(0x800A8B11u); // 35601
inline constexpr Status keyNotUnique = static_cast<Status>(0x800A8B12u); // 35602

// Where the item named by `index` stands among items whose keys are `keys` (an item without a key has an
// empty one), counted from 0; or why none: a number outside 1 to the count, a key no item has, a value that
// is neither.
Outcome<int> findItem(const QVariant &index, const QStringList &keys);

// Why a new item may not have `key`: another item has it, or it is a number (which would read as an index).
// None when it may; an empty key (or none given) always may.
std::optional<Failure> refusedKey(const QVariant &key, const QStringList &keys);

// The key a program gave, as text; empty when it gave none.
QString keyText(const QVariant &key);

} // namespace qv::kit
