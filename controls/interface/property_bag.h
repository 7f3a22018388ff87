#pragma once
// The saved state of a control: named integer and text properties, as the stored-settings blocks carry it.
//
// Encoding, little-endian: u16 count, then per property: u8 name length, the name (ASCII letters, digits,
// '_', '(', ')'), u8 type (1: i32 value; 2: u16 length and that many Latin-1 bytes). Whatever follows the
// last property is padding. A state of no bytes at all holds no properties.

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace qv::settings
{

struct Property {
    std::string_view name;
    bool isText = false;
    std::int32_t number = 0;
    std::string_view text = {};

    static constexpr Property integer(std::string_view name, std::int32_t value)
    {
        return { name, false, value, {} };
    }
    static constexpr Property string(std::string_view name, std::string_view value)
    {
        return { name, true, 0, value };
    }
};

class PropertyBag
{
public:
    struct Entry {
        QString name;
        bool isText = false;
        std::int32_t number = 0;
        QString text;
    };

    std::optional<std::int32_t> integer(QStringView name) const;
    std::optional<QString> text(QStringView name) const;
    const std::vector<Entry> &entries() const { return entries_; }
    void add(Entry entry) { entries_.push_back(std::move(entry)); }

private:
    const Entry *find(QStringView name) const;
    std::vector<Entry> entries_;
};

// Reads a property bag from the bytes; false with a message naming the offset and the fault otherwise.
bool readPropertyBag(std::span<const std::byte> bytes, PropertyBag &out, QString &error);

// Writes properties into a fixed-size buffer at compile time; a buffer too small does not compile.
class BagWriter
{
public:
    constexpr BagWriter(std::byte *begin, std::byte *end)
        : at_(begin)
        , end_(end)
    {
    }
    constexpr void u8(std::uint32_t v) { put(static_cast<std::byte>(v & 0xFFu)); }
    constexpr void u16(std::uint32_t v)
    {
        u8(v);
        u8(v >> 8);
    }
    constexpr void u32(std::uint32_t v)
    {
        u16(v & 0xFFFFu);
        u16(v >> 16);
    }
    constexpr void bytes(std::string_view s)
    {
        for (char c : s)
            u8(static_cast<unsigned char>(c));
    }
    constexpr void bag(std::span<const Property> properties)
    {
        if (properties.empty())
            return; // nothing saved: the head alone, or zeros, read as no properties
        u16(static_cast<std::uint32_t>(properties.size()));
        for (const Property &p : properties) {
            if (p.name.empty() || p.name.size() > 255)
                throw "property name must be 1 to 255 characters";
            u8(static_cast<std::uint32_t>(p.name.size()));
            bytes(p.name);
            u8(p.isText ? 2u : 1u);
            if (p.isText) {
                if (p.text.size() > 0xFFFF)
                    throw "property text too long";
                u16(static_cast<std::uint32_t>(p.text.size()));
                bytes(p.text);
            } else {
                u32(static_cast<std::uint32_t>(p.number));
            }
        }
    }

private:
    constexpr void put(std::byte b)
    {
        if (at_ == end_)
            throw "stored-settings block too small for its content";
        *at_++ = b;
    }
    std::byte *at_;
    std::byte *end_;
};

} // namespace qv::settings
