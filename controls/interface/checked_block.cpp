#include "checked_block.h"

namespace qv::settings
{

CheckedBlock::CheckedBlock(std::span<const std::byte> settings)
    : CheckedState(block.state)
{
    Outcome<Block> read = readBlock(settings);
    if (read)
        block = std::move(read).value();
    else
        refuse(read.failure().info.description);
}

} // namespace qv::settings
