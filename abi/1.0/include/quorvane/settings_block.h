#pragma once
// Stored-settings blocks of ActiveX controls, as a program's stored layout holds them, written at compile
// time.
//
//   offset 0  u32 marker 0x12344321
//   offset 4  u32 8
//   offset 8  i32 width in hundredths of a millimetre
//   offset 12 i32 height in hundredths of a millimetre
//   offset 16 the saved state: a property bag, zero-filled to the block's stored length
//
// A property bag, little-endian: u16 count, then per property: u8 name length, the name (ASCII letters,
// digits, '_', '(', ')'), u8 type (1: i32 value; 2: u16 length and that many Latin-1 bytes). Whatever follows
// the last property is padding. A state of no bytes at all holds no properties.
//
// A class may keep named settings instead: u32 marker 0x5445534E ("NSET"), then a property bag.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace qv::settings
{

inline constexpr std::uint32_t blockMarker = 0x12344321u;
inline constexpr std::uint32_t blockHeadVersion = 8u;
inline constexpr std::size_t blockHeadSize = 16;
inline constexpr std::uint32_t namedSettingsMarker = 0x5445534Eu;

// Twips to hundredths of a millimetre, rounded to the nearest unit with halves rounded up.
constexpr std::int32_t twipsToHimetric(std::int32_t twips)
{
    return (twips * 2540 + 720) / 1440;
}

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

// A block of N bytes: head with the given extents, then the saved state, zero-filled.
template<std::size_t N, std::size_t P>
constexpr std::array<std::byte, N> makeBlock(std::int32_t extentX, std::int32_t extentY,
                                             const std::array<Property, P> &state)
{
    std::array<std::byte, N> out {};
    BagWriter w(out.data(), out.data() + N);
    w.u32(blockMarker);
    w.u32(blockHeadVersion);
    w.u32(static_cast<std::uint32_t>(extentX));
    w.u32(static_cast<std::uint32_t>(extentY));
    w.bag(state);
    return out;
}

template<std::size_t N, std::size_t P>
constexpr std::array<std::byte, N> makeNamedSettings(const std::array<Property, P> &settings)
{
    std::array<std::byte, N> out {};
    BagWriter w(out.data(), out.data() + N);
    w.u32(namedSettingsMarker);
    w.bag(settings);
    return out;
}

} // namespace qv::settings
