#pragma once
// Compound documents (OLE structured storage) written into memory through libgsf: a root storage with a
// class identity and flat streams.

#include "runtime/ole/compound_document.h"

#include <QString>

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace qv::showcase
{

struct NamedStream {
    std::string_view name;
    std::span<const std::byte> bytes;
};

// 512-byte sectors and 64-byte mini sectors, the classic layout every OLE reader accepts. Streams are stored
// in the order given. Fails, with the reason, when libgsf refuses.
Outcome<std::vector<std::byte>> writeCompoundDocument(const ole::ClassId &rootClass,
                                                      std::span<const NamedStream> streams);

} // namespace qv::showcase
