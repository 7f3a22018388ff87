// The rich text box's document reader, fed the bytes as the stored text (code page 1252, read as Latin-1).

#include "controls/RichTextLib/rich_text_reader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString rtf = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto read = qv::richtextlib::readRichText(rtf);
    if (!read && read.failure().info.description.isEmpty())
        __builtin_trap(); // a refusal always says why
    return 0;
}
