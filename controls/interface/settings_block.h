#pragma once
// The stored-settings block of an ActiveX control: a 16-byte head, then the control's saved state.
//
//   offset 0  u32 marker 0x12344321
//   offset 4  u32 8
//   offset 8  i32 width in hundredths of a millimetre
//   offset 12 i32 height in hundredths of a millimetre
//   offset 16 the saved state: a property bag, zero-filled to the block's stored length
//
// The CoolBar's block holds named settings instead: u32 marker 0x5445534E ("NSET"), then a property bag
// with the keys _extentx, _extenty, _cbwidth, _cbheight, _version and minheightN, widthN, newrowN per band.

#include "property_bag.h"

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

struct Block {
    std::int32_t extentX = 0;
    std::int32_t extentY = 0;
    PropertyBag state;
};

bool readBlock(std::span<const std::byte> bytes, Block &out, QString &error);
bool readNamedSettings(std::span<const std::byte> bytes, PropertyBag &out, QString &error);

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
