#include "runtime/builtin/picture_members.h"

#include "runtime/builtin/picture_loader.h"
#include "runtime/builtin/pictures.h"

#include <QLabel>
#include <QMouseEvent>

namespace qv::builtin
{

void PictureMembers::setPicture(const QString &file)
{
    Outcome<QImage> read = loadPicture(file);
    if (!read)
        return refuse(read.failure().status, read.failure().explanation());
    file_ = file;
    show(read.value());
}

bool PictureMembers::eventFilter(QObject *watched, QEvent *event)
{
    // A click: the left button let go over the control.
    if (watched == object() && event->type() == QEvent::MouseButtonRelease) {
        const auto &mouse = static_cast<const QMouseEvent &>(*event);
        if (mouse.button() == Qt::LeftButton && widget()->rect().contains(mouse.position().toPoint()))
            emit Click();
    }
    return WindowedMembers::eventFilter(watched, event);
}

ImageMembers::ImageMembers(QLabel &image, const ControlRecord &record)
    : PictureMembers(image, record)
{
}

QLabel &ImageMembers::image() const
{
    return static_cast<QLabel &>(*widget());
}

bool ImageMembers::stretch() const
{
    return image().hasScaledContents();
}

void ImageMembers::setStretch(bool stretch)
{
    image().setScaledContents(stretch);
    fitToPicture();
}

void ImageMembers::show(const QImage &picture)
{
    if (picture.isNull())
        image().clear();
    else
        image().setPixmap(QPixmap::fromImage(picture));
    fitToPicture();
}

void ImageMembers::fitToPicture()
{
    const QPixmap shown = image().pixmap();
    if (!stretch() && !shown.isNull())
        image().resize(shown.deviceIndependentSize().toSize());
}

PictureBoxMembers::PictureBoxMembers(PictureBoxFrame &box, const ControlRecord &record)
    : PictureMembers(box, record)
{
}

PictureBoxFrame &PictureBoxMembers::box() const
{
    return static_cast<PictureBoxFrame &>(*widget());
}

void PictureBoxMembers::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    fitToPicture();
}

void PictureBoxMembers::show(const QImage &picture)
{
    box().setPicture(picture);
    fitToPicture();
}

void PictureBoxMembers::fitToPicture()
{
    if (autoSize_ && !box().picture().isNull())
        box().resize(box().sizeFor(box().picture().deviceIndependentSize().toSize()));
}

bool PictureBoxMembers::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == object() && event->type() == QEvent::Resize)
        emit Resize();
    return PictureMembers::eventFilter(watched, event);
}

} // namespace qv::builtin
