#include "checked_block.h"

namespace qv::settings
{

CheckedBlock::CheckedBlock(std::span<const std::byte> settings)
    : CheckedState(block.state)
{
    QString error;
    if (!readBlock(settings, block, error))
        refuse(error);
}

} // namespace qv::settings
