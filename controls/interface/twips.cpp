#include "twips.h"

#include <QGuiApplication>
#include <QPointF>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace qv
{

namespace
{
constexpr double twipsPerInch = 1440.0;
constexpr char twipsScaleProperty[] = "quorvaneTwipsScale"; // (dpiX, dpiY) as a QPointF

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

TwipsScale TwipsScale::of(const QWidget &widget)
{
    const QVariant marked = widget.window()->property(twipsScaleProperty);
    if (!marked.canConvert<QPointF>())
        return ofScreen();
    const QPointF dpi = marked.toPointF();
    return TwipsScale(dpi.x(), dpi.y());
}

void TwipsScale::markOn(QWidget &window) const
{
    window.setProperty(twipsScaleProperty, QPointF(dpiX_, dpiY_));
}

int TwipsScale::toTwipsX(int pixels) const
{
    return static_cast<int>(std::lround(pixels * 1440.0 / dpiX_));
}

int TwipsScale::toTwipsY(int pixels) const
{
    return static_cast<int>(std::lround(pixels * 1440.0 / dpiY_));
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
