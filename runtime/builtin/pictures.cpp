// The picture classes, both without a picture here: the picture box and the image.

#include "runtime/builtin/makers.h"
#include "controls/interface/accessible_role.h"

#include <QFrame>
#include <QLabel>

namespace qv::builtin
{

// A sunken frame filled with the button face, like the classic control's default background; it takes the
// focus, so its tab index counts.
Outcome<QObject *> makePictureBox(const ControlRecord &, const MakeSite &site)
{
    auto *box = new QFrame(&site.container);
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    box->setBackgroundRole(QPalette::Button);
    box->setAutoFillBackground(true);
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
