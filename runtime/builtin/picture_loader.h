#pragma once
// Reads the picture a program gives a picture box or an image by its file's name, in any format Qt reads
// (BMP, PNG, JPEG, GIF, ICO and others), as the classic LoadPicture reads one.

#include <quorvane/outcome.h>

#include <QImage>
#include <QString>

namespace qv::builtin
{

// The picture in `fileName`; an empty name is no picture, a null image. A file that is not there fails with
// fileNotFound, one that is no picture Qt reads with invalidPicture, each naming the file and why.
Outcome<QImage> loadPicture(const QString &fileName);

} // namespace qv::builtin
