#pragma once
// A control's stored-settings block read and its saved state checked in one: most stand-ins want nothing
// else. A block that does not read is the first fault; the reads after it answer with their fallbacks.

#include "checked_state.h"
#include "settings_block.h"

#include <cstddef>
#include <span>

namespace qv::settings
{

namespace detail
{
// A base of its own, so that the block exists before the CheckedState that refers to its saved state.
struct BlockHolder {
    Block block;
};
} // namespace detail

class CheckedBlock final : private detail::BlockHolder, public CheckedState
{
public:
    explicit CheckedBlock(std::span<const std::byte> settings);
    // A copy would still check the original's saved state.
    CheckedBlock(const CheckedBlock &) = delete;
    CheckedBlock &operator=(const CheckedBlock &) = delete;
};

} // namespace qv::settings
