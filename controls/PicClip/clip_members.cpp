#include "clip_members.h"

#include <QFileInfo>
#include <QImageReader>

namespace qv::picclip
{

namespace
{
// As many rows and columns as the control reads from its stored settings.
constexpr int mostCells = 1024;
} // namespace

ClipMembers::ClipMembers(QObject &pictureClip)
    : pictureClip_(pictureClip)
{
}

int ClipMembers::part(const char *name) const
{
    return pictureClip_.property(name).toInt();
}

void ClipMembers::setGridPart(const char *name, int count)
{
    if (count < 1 || count > mostCells)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("%1 is 1 to %2").arg(QLatin1String(name)).arg(mostCells));
    pictureClip_.setProperty(name, count);
}

void ClipMembers::setClipPart(const char *name, int pixels)
{
    if (pixels < 0)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("%1 is 0 or more pixels").arg(QLatin1String(name)));
    pictureClip_.setProperty(name, pixels);
}

void ClipMembers::setPicture(const QString &path)
{
    if (path.isEmpty()) {
        picturePath_.clear();
        picture_ = QImage();
        return;
    }
    if (!QFileInfo(path).isFile())
        return refuse(status::fileNotFound, QStringLiteral("there is no file %1").arg(path));
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        return refuse(status::invalidPicture,
                      QStringLiteral("%1 is no picture: %2").arg(path, reader.errorString()));
    picturePath_ = path;
    picture_ = image;
}

int ClipMembers::cellWidth() const
{
    return picture_.width() / cols();
}

int ClipMembers::cellHeight() const
{
    return picture_.height() / rows();
}

QString ClipMembers::written(const QRect &part, const QString &stem)
{
    if (!folder_)
        folder_ = std::make_unique<QTemporaryDir>();
    if (!folder_->isValid()) {
        refuse(status::pathNotFound,
               QStringLiteral("no folder for the control's pictures: %1").arg(folder_->errorString()));
        return {};
    }
    const QString path = folder_->filePath(QStringLiteral("%1-%2.png").arg(stem).arg(++written_));
    if (!picture_.copy(part).save(path, "PNG")) {
        refuse(status::pathNotFound, QStringLiteral("the picture could not be written to %1").arg(path));
        return {};
    }
    return path;
}

QString ClipMembers::clip()
{
    if (picture_.isNull())
        return {};
    const QRect region(clipX(), clipY(), clipWidth(), clipHeight());
    if (region.isEmpty()) {
        refuse(status::invalidPropertyValue,
               QStringLiteral("ClipWidth or ClipHeight is 0: the region is empty"));
        return {};
    }
    if (!picture_.rect().contains(region)) {
        refuse(status::invalidPropertyValue,
               QStringLiteral("the region %1, %2, %3 x %4 reaches outside the picture (%5 x %6)")
                   .arg(region.x())
                   .arg(region.y())
                   .arg(region.width())
                   .arg(region.height())
                   .arg(picture_.width())
                   .arg(picture_.height()));
        return {};
    }
    return written(region, QStringLiteral("clip"));
}

QString ClipMembers::GraphicCell(int Index)
{
    const int cells = rows() * cols();
    if (Index < 0 || Index >= cells) {
        refuse(status::invalidPropertyValue,
               QStringLiteral("Index is 0 to %1 (Rows %2 x Cols %3)").arg(cells - 1).arg(rows()).arg(cols()));
        return {};
    }
    if (picture_.isNull()) {
        refuse(status::invalidPicture, QStringLiteral("there is no Picture to cut into cells"));
        return {};
    }
    if (cellWidth() == 0 || cellHeight() == 0) {
        refuse(status::invalidPropertyValue,
               QStringLiteral("the picture (%1 x %2) is too small for %3 rows by %4 columns")
                   .arg(picture_.width())
                   .arg(picture_.height())
                   .arg(rows())
                   .arg(cols()));
        return {};
    }
    const QRect cell((Index % cols()) * cellWidth(), (Index / cols()) * cellHeight(), cellWidth(),
                     cellHeight());
    return written(cell, QStringLiteral("cell-%1").arg(Index));
}

} // namespace qv::picclip
