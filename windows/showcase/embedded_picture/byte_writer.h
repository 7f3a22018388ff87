#pragma once
// Little-endian writes onto the end of a byte vector: the counterpart of the checked reader the streams are
// read back with.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace qv::showcase
{

class ByteWriter
{
public:
    explicit ByteWriter(std::vector<std::byte> &out)
        : out_(out)
    {
    }
    std::size_t size() const { return out_.size(); }

    void u8(std::uint32_t v) { out_.push_back(static_cast<std::byte>(v & 0xFFu)); }
    void u16(std::uint32_t v)
    {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v)
    {
        u16(v);
        u16(v >> 16);
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void bytes(std::span<const std::byte> b) { out_.insert(out_.end(), b.begin(), b.end()); }
    void text(std::string_view s)
    {
        for (const char c : s)
            u8(static_cast<unsigned char>(c));
    }
    void zeros(std::size_t n) { out_.insert(out_.end(), n, std::byte { 0 }); }

private:
    std::vector<std::byte> &out_;
};

} // namespace qv::showcase
