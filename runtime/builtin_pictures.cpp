// The picture classes, both without a picture here: the picture box and the image.

#include "builtin_makers.h"

#include <QFrame>
#include <QLabel>

namespace qv
{

// A sunken frame filled with the button face, like the classic control's default background; it takes the
// focus, so its tab index counts.
QWidget *makePictureBox(QWidget &container)
{
    auto *box = new QFrame(&container);
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    box->setBackgroundRole(QPalette::Button);
    box->setAutoFillBackground(true);
    box->setFocusPolicy(Qt::StrongFocus);
    return box;
}

// Frameless and transparent: an image without a picture shows the window behind it.
QWidget *makeImage(QWidget &container)
{
    auto *image = new QLabel(&container);
    image->setFrameShape(QFrame::NoFrame);
    return image;
}

} // namespace qv
