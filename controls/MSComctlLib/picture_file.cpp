#include "picture_file.h"

#include <QFileInfo>
#include <QImageReader>

namespace qv::mscomctl
{

Outcome<QImage> readPicture(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return failure(status::fileNotFound, QStringLiteral("no picture file %1").arg(path));
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull())
        return failure(
            status::invalidPicture,
            QStringLiteral("%1 is no picture that can be read: %2").arg(path, reader.errorString()));
    return picture;
}

} // namespace qv::mscomctl
