#pragma once
// Stored names, captions and texts are single-byte (Latin-1) strings; this is the one place they become
// QStrings.

#include <QString>
#include <string_view>

namespace qv
{

inline QString storedText(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace qv
