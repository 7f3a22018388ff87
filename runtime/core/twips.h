#pragma once
// Twips (1/1440 inch) to pixels, from the screen's logical resolution: 15 twips a pixel at 96 dpi.

#include <quorvane/form_description.h>

#include <QRect>

namespace qv
{

class TwipsScale
{
public:
    explicit TwipsScale(double dotsPerInchX = 96.0, double dotsPerInchY = 96.0)
        : dpiX_(dotsPerInchX)
        , dpiY_(dotsPerInchY)
    {
    }
    // The primary screen's logical resolution.
    static TwipsScale ofScreen();

    int toPixelsX(int twips) const;
    int toPixelsY(int twips) const;
    QRect toPixels(int left, int top, int width, int height) const;

private:
    double dpiX_;
    double dpiY_;
};

} // namespace qv
