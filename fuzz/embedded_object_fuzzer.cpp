// The embedded object's reader: the compound document through libgsf, its four streams and their headers.

#include "runtime/ole/embedded_object.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto read = qv::readEmbeddedObject({ reinterpret_cast<const std::byte *>(data), size });
    if (!read && read.failure().info.description.isEmpty())
        __builtin_trap(); // a refusal always says why
    return 0;
}
