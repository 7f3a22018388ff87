#pragma once
// The showcase window's embedded object written afresh: the picture drawn with Qt, its four streams and the
// compound document that holds them, as an OLE container stores a Paint.Picture. The build writes it once
// (write_paint_picture_document); the program embeds the result.

#include <quorvane/outcome.h>

#include <cstddef>
#include <vector>

namespace qv::showcase
{

// The compound document; fails, with the reason, if a stream comes out at another size than the object's
// reader takes, or libgsf fails.
Outcome<std::vector<std::byte>> writePaintPictureObject();

} // namespace qv::showcase
