#pragma once
// Bounds-checked little-endian reads over a byte span: every read says whether the bytes were there.

#include <cstddef>
#include <cstdint>
#include <span>

namespace qv::settings
{

class ByteReader
{
public:
    explicit ByteReader(std::span<const std::byte> bytes)
        : bytes_(bytes)
    {
    }
    std::size_t offset() const { return at_; }
    std::size_t remaining() const { return bytes_.size() - at_; }

    bool u8(std::uint32_t &v)
    {
        if (remaining() < 1)
            return false;
        v = static_cast<std::uint32_t>(bytes_[at_++]);
        return true;
    }
    bool u16(std::uint32_t &v)
    {
        std::uint32_t lo = 0, hi = 0;
        if (remaining() < 2 || !u8(lo) || !u8(hi))
            return false;
        v = lo | (hi << 8);
        return true;
    }
    bool u32(std::uint32_t &v)
    {
        std::uint32_t lo = 0, hi = 0;
        if (remaining() < 4 || !u16(lo) || !u16(hi))
            return false;
        v = lo | (hi << 16);
        return true;
    }
    bool take(std::size_t n, std::span<const std::byte> &out)
    {
        if (remaining() < n)
            return false;
        out = bytes_.subspan(at_, n);
        at_ += n;
        return true;
    }

private:
    std::span<const std::byte> bytes_;
    std::size_t at_ = 0;
};

} // namespace qv::settings
