#pragma once
// Compound documents (OLE structured storage) read from memory through libgsf: a root storage with a class
// identity and flat streams.

#include "runtime/ole/bad_document.h"

#include <QString>

#include <array>
#include <cstddef>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace qv::ole
{

// A class identity as the document stores it: the first three fields little-endian, then eight bytes.
using ClassId = std::array<std::byte, 16>;

// "{0003000A-0000-0000-C000-000000000046}"
QString classIdText(const ClassId &id);

// A stream's name for a message: a leading control character shown as "\1" or "\2".
QString printableStreamName(std::string_view name);

// Reads one compound document held in memory; the bytes must outlive the reader.
class CompoundDocumentReader
{
public:
    CompoundDocumentReader();
    ~CompoundDocumentReader();
    CompoundDocumentReader(const CompoundDocumentReader &) = delete;
    CompoundDocumentReader &operator=(const CompoundDocumentReader &) = delete;

    Outcome<> open(std::span<const std::byte> document);
    Outcome<ClassId> rootClass() const;
    // The stream's bytes, provided it exists and is exactly expectedSize long; nothing larger is ever
    // allocated, whatever the document claims.
    Outcome<std::vector<std::byte>> readStream(std::string_view name, std::size_t expectedSize) const;

private:
    struct Handles;
    std::unique_ptr<Handles> handles_;
};

} // namespace qv::ole
