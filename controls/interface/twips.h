#pragma once
// Twips (1/1440 inch) to pixels, the one conversion of the runtime and of the control libraries alike: 15
// twips a pixel at 96 dpi, each axis at its own resolution, rounded to the nearest pixel. The runtime marks
// each form's window with the resolution its controls are laid out at, so that a control library lays out
// what it stores in twips as the runtime lays out the form, also where that is not the screen's resolution.

#include <QRect>

class QWidget;

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
    // The resolution the widget's form is laid out at: the one marked on its window, or else the screen's.
    static TwipsScale of(const QWidget &widget);
    // Marks a form's window with this resolution, for the controls made inside it.
    void markOn(QWidget &window) const;

    int toPixelsX(int twips) const;
    int toPixelsY(int twips) const;
    QRect toPixels(int left, int top, int width, int height) const;
    // Pixels back to twips, as a program reads a control's position and size.
    int toTwipsX(int pixels) const;
    int toTwipsY(int pixels) const;

private:
    double dpiX_;
    double dpiY_;
};

} // namespace qv
