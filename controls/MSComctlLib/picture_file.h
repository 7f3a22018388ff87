#pragma once
// A picture a program names by its file: read whole, or refused naming the file and why.

#include <quorvane/outcome.h>

#include <QImage>

namespace qv::mscomctl
{

// The picture in the file at `path`: refused with 53 when there is no such file, with 481 when it holds no
// picture this machine reads (the reader's reason said).
Outcome<QImage> readPicture(const QString &path);

} // namespace qv::mscomctl
