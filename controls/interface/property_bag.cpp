#include "property_bag.h"
#include "byte_reader.h"

#include <quorvane/form_description.h>

namespace qv::settings
{

namespace
{
bool isNameCharacter(std::byte b)
{
    const auto c = static_cast<unsigned char>(b);
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '('
        || c == ')';
}

// A name or text as the block stores it, single-byte, as every stored text is.
QString textOf(std::span<const std::byte> bytes)
{
    return storedText(std::string_view(reinterpret_cast<const char *>(bytes.data()), bytes.size()));
}
} // namespace

const PropertyBag::Entry *PropertyBag::find(QStringView name) const
{
    for (const Entry &e : entries_) {
        if (e.name == name)
            return &e;
    }
    return nullptr;
}

std::optional<std::int32_t> PropertyBag::integer(QStringView name) const
{
    const Entry *e = find(name);
    return e && !e->isText ? std::optional(e->number) : std::nullopt;
}

std::optional<QString> PropertyBag::text(QStringView name) const
{
    const Entry *e = find(name);
    return e && e->isText ? std::optional(e->text) : std::nullopt;
}

Outcome<PropertyBag> readPropertyBag(std::span<const std::byte> bytes)
{
    ByteReader r(bytes);
    const auto fault = [&](const QString &what) {
        return badSettings(QStringLiteral("saved state at offset %1: %2").arg(r.offset()).arg(what));
    };
    std::uint32_t count = 0;
    if (bytes.empty())
        return PropertyBag {}; // a control that saved nothing
    if (!r.u16(count))
        return fault(QStringLiteral("the property count is cut short"));
    PropertyBag bag;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t nameLength = 0;
        std::span<const std::byte> name;
        if (!r.u8(nameLength) || nameLength == 0 || !r.take(nameLength, name))
            return fault(QStringLiteral("property %1 of %2 has no name or its name runs past the end")
                             .arg(i + 1)
                             .arg(count));
        for (std::byte b : name) {
            if (!isNameCharacter(b))
                return fault(
                    QStringLiteral("property %1 has a name with a character that is not allowed").arg(i + 1));
        }
        PropertyBag::Entry entry { textOf(name), false, 0, {} };
        std::uint32_t type = 0;
        if (!r.u8(type))
            return fault(QStringLiteral("property %1 (%2) has no type").arg(i + 1).arg(entry.name));
        if (type == 1) {
            std::uint32_t value = 0;
            if (!r.u32(value))
                return fault(QStringLiteral("the value of %1 runs past the end").arg(entry.name));
            entry.number = static_cast<std::int32_t>(value);
        } else if (type == 2) {
            std::uint32_t length = 0;
            std::span<const std::byte> text;
            if (!r.u16(length) || !r.take(length, text))
                return fault(QStringLiteral("the text of %1 runs past the end").arg(entry.name));
            entry.isText = true;
            entry.text = textOf(text);
        } else {
            return fault(
                QStringLiteral("property %1 (%2) has unknown type %3").arg(i + 1).arg(entry.name).arg(type));
        }
        bag.add(std::move(entry));
    }
    return bag;
}

} // namespace qv::settings
