#pragma once
// A small, strict reader for the rich-text (RTF) documents a rich text box saves: groups, control words,
// \'hh escapes in code page 1252, \uN characters, the font and colour tables, \f, \fs, \b, \i, \cf, \par
// and plain text. Anything it cannot read with certainty is refused with a message naming the offset and the
// fault, rather than shown wrongly.

#include <quorvane/outcome.h>

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <vector>

namespace qv::richtextlib
{

inline constexpr qsizetype maxDocumentLength = 32 * 1024;
inline constexpr int maxGroupDepth = 16;
// The sizes a document holds, in half-points.
inline constexpr int minHalfPoints = 1;
inline constexpr int maxHalfPoints = 3276;

struct CharacterFormat {
    QString face; // empty when the document selects no font
    int halfPoints = 24; // the size RTF assumes until \fs says otherwise
    bool bold = false;
    bool italic = false;
    std::optional<std::uint32_t> colour; // 0xRRGGBB; none: the text box's own text colour
    friend bool operator==(const CharacterFormat &, const CharacterFormat &) = default;
};

struct TextRun {
    QString text;
    CharacterFormat format;
};

struct Paragraph {
    std::vector<TextRun> runs;
};

struct RichTextDocument {
    std::vector<Paragraph> paragraphs;
};

// Reads the document; fails with a message when it is malformed or uses what this reader does not know.
Outcome<RichTextDocument> readRichText(QStringView rtf);

} // namespace qv::richtextlib
