// The stored-settings block reader: the 16-byte head and the property bag of saved state after it.

#include "controls/interface/settings_block.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto read = qv::settings::readBlock({ reinterpret_cast<const std::byte *>(data), size });
    if (!read && read.failure().info.description.isEmpty())
        __builtin_trap(); // a refusal always says why
    return 0;
}
