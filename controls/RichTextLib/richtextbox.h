#pragma once
// Stands in for the rich text box: an editable text box showing the rich-text document of its saved state.

#include <quorvane/control_library.h>

namespace qv::richtextlib
{

// Saved state: "TextRTF", the document as rich text (RTF). A document the reader refuses refuses the control.
ControlLibrary::Creation createRichTextBox(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::richtextlib
