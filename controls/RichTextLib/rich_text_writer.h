#pragma once
// Writes a rich text box's document as rich text (RTF) that its reader (rich_text_reader.h) reads back to the
// same document: the font and colour tables, then each paragraph's runs with their face, size, bold, italic
// and colour, every paragraph ended by \par. The text is 7-bit: code page 1252 as \'hh, the rest as \uN.

#include "rich_text_reader.h"

namespace qv::richtextlib
{

QString writeRichText(const RichTextDocument &document);

} // namespace qv::richtextlib
