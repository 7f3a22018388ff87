#pragma once
// A rich text box's document as the text edit that stands in for it holds it, and back: paragraphs of runs
// with their face, size, bold, italic and colour.

#include "rich_text_reader.h"

#include <QTextCharFormat>

class QTextEdit;

namespace qv::richtextlib
{

// A run's format as the edit holds it, and back: where the edit's format says nothing of the face, size,
// weight or slant, the edit's font does.
QTextCharFormat toCharFormat(const CharacterFormat &format);
CharacterFormat formatOf(const QTextCharFormat &charFormat, const QFont &editFont);

// Replaces what the edit shows with the document; loading it is not an edit the user could undo.
void showDocument(const RichTextDocument &document, QTextEdit &edit);

// What the edit shows.
RichTextDocument documentOf(const QTextEdit &edit);

} // namespace qv::richtextlib
