#pragma once
// The showcase window's embedded object written afresh: the picture drawn with Qt, its four streams and the
// compound document that holds them, as an OLE container stores a Paint.Picture. The build writes it once
// (write_paint_picture_document); the program embeds the result.

#include <QString>

#include <cstddef>
#include <vector>

namespace qv::showcase
{

// False, with the reason, if a stream comes out at another size than the object's reader takes, or libgsf
// fails.
bool writePaintPictureObject(std::vector<std::byte> &out, QString &error);

} // namespace qv::showcase
