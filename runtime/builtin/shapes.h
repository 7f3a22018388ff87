#pragma once
// The drawn classes: the shape and the line. Both draw an outline over a transparent background, by default
// in the window's foreground colour, 1 pixel wide and solid, and let the mouse through to the window as the
// classic windowless controls do.

#include <QColor>
#include <QObject>
#include <QPen>
#include <QWidget>
#include <optional>

namespace qv::builtin
{

// How a drawn control's outline looks, its styles by their classic names.
struct Outline {
    Q_GADGET
public:
    enum Style {
        vbTransparent = 0,
        vbBSSolid = 1,
        vbBSDash = 2,
        vbBSDot = 3,
        vbBSDashDot = 4,
        vbBSDashDotDot = 5,
        vbBSInsideSolid = 6
    };
    Q_ENUM(Style)

    Style style = vbBSSolid;
    int width = 1; // in pixels
    std::optional<QColor> color; // none: the window's foreground colour

    QColor colorOn(const QWidget &widget) const;
    QPen pen(const QWidget &widget) const;
};

// What both drawn classes are: a widget drawing its outline, changed whole and drawn again.
class DrawnWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DrawnWidget(QWidget &container);

    const Outline &outline() const { return outline_; }
    void setOutline(const Outline &outline);

protected:
    // A new outline may need more room than the old one.
    virtual void outlineChanged() { }

private:
    Outline outline_;
};

class ShapeWidget final : public DrawnWidget
{
    Q_OBJECT
public:
    // The classic values of the shape's Shape and FillStyle.
    enum class Kind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };
    enum class Fill {
        Solid,
        Transparent,
        HorizontalLine,
        VerticalLine,
        UpwardDiagonal,
        DownwardDiagonal,
        Cross,
        DiagonalCross
    };
    struct Look {
        Kind kind = Kind::Rectangle;
        Fill fill = Fill::Transparent;
        QColor fillColor = Qt::black;
    };

    explicit ShapeWidget(QWidget &container);

    const Look &look() const { return look_; }
    void setLook(const Look &look);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Look look_;
};

// Keeps its end points in the container's pixels, so it draws the same line wherever its widget is placed;
// its widget covers the line, and as much around it as its width needs.
class LineWidget final : public DrawnWidget
{
    Q_OBJECT
public:
    LineWidget(QPoint from, QPoint to, QWidget &container);

    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    // Moves the ends, and the widget with them.
    void setEnds(QPoint from, QPoint to);

protected:
    void paintEvent(QPaintEvent *event) override;
    void outlineChanged() override;

private:
    QPoint from_;
    QPoint to_;
};

} // namespace qv::builtin
