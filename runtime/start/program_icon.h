#pragma once
// The program's window icon, from its icon group and the further drawings of it the program carries.

#include <QIcon>

namespace qv
{

// The icon group (a Qt resource path to an .ico) with every further drawing of it beside it in the same
// resource folder under the same name: a larger size (quorvane.48.png) or a scalable picture
// (quorvane.svg). Each size is drawn from whichever gives the larger image, the drawn ones first, so the icon
// stays sharp where a display at 200 % draws a 32-pixel icon with 64 pixels.
QIcon programIcon(const QString &iconGroup);

} // namespace qv
