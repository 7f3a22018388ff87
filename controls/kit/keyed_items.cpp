#include "keyed_items.h"

namespace qv::kit
{

namespace
{
bool isNumber(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}
} // namespace

Outcome<int> findItem(const QVariant &index, const QStringList &keys)
{
    if (isNumber(index)) {
        const double number = index.toDouble();
        if (number < 1 || number > static_cast<double>(keys.size()) || number != static_cast<int>(number))
            return failure(
                indexOutOfBounds,
                keys.isEmpty()
                    ? QStringLiteral("index %1: the collection is empty").arg(number)
                    : QStringLiteral("index %1: the items are 1 to %2").arg(number).arg(keys.size()));
        return static_cast<int>(number) - 1;
    }
    if (index.metaType().id() == QMetaType::QString) {
        const QString key = index.toString();
        const qsizetype at = key.isEmpty() ? -1 : keys.indexOf(key);
        if (at < 0)
            return failure(elementNotFound, QStringLiteral("no item has the key \"%1\"").arg(key));
        return static_cast<int>(at);
    }
    return failure(
        status::typeMismatch,
        QStringLiteral("an item is named by its number or its key, not by a %1")
            .arg(index.isValid() ? QString::fromLatin1(index.typeName()) : QStringLiteral("nothing")));
}

QString keyText(const QVariant &key)
{
    return key.isValid() ? key.toString() : QString();
}

std::optional<Failure> refusedKey(const QVariant &key, const QStringList &keys)
{
    if (isNumber(key))
        return failure(status::typeMismatch,
                       QStringLiteral("a key is a text that is not a number, not %1").arg(key.toString()));
    const QString text = keyText(key);
    bool numeric = false;
    text.toDouble(&numeric);
    if (numeric)
        return failure(status::typeMismatch,
                       QStringLiteral("the key \"%1\" is a number, which would read as an index").arg(text));
    if (!text.isEmpty() && keys.contains(text))
        return failure(keyNotUnique, QStringLiteral("another item has the key \"%1\"").arg(text));
    return std::nullopt;
}

} // namespace qv::kit
