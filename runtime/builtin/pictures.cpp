// The picture classes, both without a picture when loaded: the picture box and the image.

#include "runtime/builtin/pictures.h"
#include "controls/interface/accessible_role.h"
#include "runtime/builtin/makers.h"

#include <QLabel>
#include <QPainter>

namespace qv::builtin
{

PictureBoxFrame::PictureBoxFrame(QWidget &container)
    : QFrame(&container)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
}

void PictureBoxFrame::setPicture(QImage picture)
{
    picture_ = std::move(picture);
    update();
}

QSize PictureBoxFrame::sizeFor(QSize picture) const
{
    return picture + QSize(2 * frameWidth(), 2 * frameWidth());
}

void PictureBoxFrame::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawImage(contentsRect().topLeft(), picture_);
}

// It takes the focus, so its tab index counts.
Outcome<QObject *> makePictureBox(const ControlRecord &, const MakeSite &site)
{
    auto *box = new PictureBoxFrame(site.container);
    box->setFocusPolicy(Qt::StrongFocus);
    presentAs(*box, QAccessible::Canvas); // a surface the program draws on
    return box;
}

// Frameless and transparent: an image without a picture shows the window behind it.
Outcome<QObject *> makeImage(const ControlRecord &, const MakeSite &site)
{
    auto *image = new QLabel(&site.container);
    image->setFrameShape(QFrame::NoFrame);
    presentAs(*image, QAccessible::Graphic);
    return image;
}

} // namespace qv::builtin
