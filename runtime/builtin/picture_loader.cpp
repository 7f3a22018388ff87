#include "runtime/builtin/picture_loader.h"

#include <QFileInfo>
#include <QImageReader>

namespace qv::builtin
{

Outcome<QImage> loadPicture(const QString &fileName)
{
    if (fileName.isEmpty())
        return QImage();
    const QFileInfo file(fileName);
    if (!file.exists())
        return failure(status::fileNotFound, QStringLiteral("there is no file %1").arg(fileName));
    if (file.isDir())
        return failure(status::fileNotFound, QStringLiteral("%1 is a directory, not a file").arg(fileName));
    QImageReader reader(fileName);
    // A file's contents say what it is, whatever its name's suffix.
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    if (picture.isNull())
        return failure(
            status::invalidPicture,
            QStringLiteral("%1 is not a picture that can be read: %2").arg(fileName, reader.errorString()));
    return picture;
}

} // namespace qv::builtin
