#pragma once
// The optional arguments of form operations: either a long value or the missing-argument marker,
// an error-typed value holding paramNotFound.

#include <quorvane/status.h>

namespace qv
{

class Variant
{
public:
    static constexpr Variant missing() { return Variant(Kind::Error, status::paramNotFound); }
    static constexpr Variant fromLong(std::int32_t value) { return Variant(Kind::Long, value); }

    constexpr bool isMissing() const { return kind_ == Kind::Error && value_ == status::paramNotFound; }
    constexpr bool isLong() const { return kind_ == Kind::Long; }
    constexpr std::int32_t value() const { return value_; }

private:
    enum class Kind { Error, Long };
    constexpr Variant(Kind kind, std::int32_t value)
        : kind_(kind)
        , value_(value)
    {
    }
    Kind kind_;
    std::int32_t value_;
};

} // namespace qv
