#include "runtime/core/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace qv
{

namespace
{
constexpr double twipsPerInch = 1440.0;
int scale(int twips, double dpi)
{
    return static_cast<int>(std::lround(twips * dpi / twipsPerInch));
}
} // namespace

TwipsScale TwipsScale::ofScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return TwipsScale(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY());
    return TwipsScale();
}

int TwipsScale::toPixelsX(int twips) const
{
    return scale(twips, dpiX_);
}
int TwipsScale::toPixelsY(int twips) const
{
    return scale(twips, dpiY_);
}

QRect TwipsScale::toPixels(int left, int top, int width, int height) const
{
    // Edges are converted, not sizes, so neighbouring controls that touch in twips touch in pixels.
    const int x = toPixelsX(left);
    const int y = toPixelsY(top);
    return QRect(x, y, toPixelsX(left + width) - x, toPixelsY(top + height) - y);
}

} // namespace qv
