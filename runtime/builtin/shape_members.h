#pragma once
// The members of the drawn classes, the shape and the line: their outline, the shape's kind and fill, the
// line's ends. Neither takes the focus nor raises an event.

#include "runtime/builtin/shapes.h"
#include "runtime/core/control_members.h"

namespace qv::builtin
{

// The outline's members, the same on both classes; each class's own forward to these.
namespace outline
{
int color(const DrawnWidget &widget);
// None: nothing changes, as when the members refused the Long that stood for no colour.
void setColor(std::optional<QColor> color, DrawnWidget &widget);
void setWidth(MemberObject &members, int width, DrawnWidget &widget);
void setStyle(Outline::Style style, DrawnWidget &widget);
} // namespace outline

class ShapeMembers final : public PlacedMembers
{
    Q_OBJECT
    Q_PROPERTY(Kind Shape READ shape WRITE setShape)
    Q_PROPERTY(FillStyle FillStyle READ fillStyle WRITE setFillStyle)
    Q_PROPERTY(int FillColor READ fillColor WRITE setFillColor)
    Q_PROPERTY(qv::builtin::Outline::Style BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
public:
    enum Kind {
        vbShapeRectangle = 0,
        vbShapeSquare = 1,
        vbShapeOval = 2,
        vbShapeCircle = 3,
        vbShapeRoundedRectangle = 4,
        vbShapeRoundedSquare = 5
    };
    Q_ENUM(Kind)
    enum FillStyle {
        vbFSSolid = 0,
        vbFSTransparent = 1,
        vbHorizontalLine = 2,
        vbVerticalLine = 3,
        vbUpwardDiagonal = 4,
        vbDownwardDiagonal = 5,
        vbCross = 6,
        vbDiagonalCross = 7
    };
    Q_ENUM(FillStyle)

    ShapeMembers(ShapeWidget &shape, const ControlRecord &record);
    Kind shape() const;
    void setShape(Kind kind);
    FillStyle fillStyle() const;
    void setFillStyle(FillStyle style);
    int fillColor() const;
    void setFillColor(int color);
    Outline::Style borderStyle() const { return widget().outline().style; }
    void setBorderStyle(Outline::Style style) { outline::setStyle(style, widget()); }
    int borderColor() const { return outline::color(widget()); }
    void setBorderColor(int color) { outline::setColor(colorOrRefuse(color), widget()); }
    int borderWidth() const { return widget().outline().width; }
    void setBorderWidth(int width) { outline::setWidth(*this, width, widget()); }

private:
    ShapeWidget &widget() const;
    template<class Change> void changeLook(Change change);
};

class LineMembers final : public DrawnMembers
{
    Q_OBJECT
    // The ends in twips, from the container's corner: the line is drawn from (X1, Y1) to (X2, Y2).
    Q_PROPERTY(int X1 READ x1 WRITE setX1)
    Q_PROPERTY(int Y1 READ y1 WRITE setY1)
    Q_PROPERTY(int X2 READ x2 WRITE setX2)
    Q_PROPERTY(int Y2 READ y2 WRITE setY2)
    Q_PROPERTY(qv::builtin::Outline::Style BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(int BorderColor READ borderColor WRITE setBorderColor)
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
public:
    LineMembers(LineWidget &line, const ControlRecord &record);
    int x1() const;
    int y1() const;
    int x2() const;
    int y2() const;
    void setX1(int twips);
    void setY1(int twips);
    void setX2(int twips);
    void setY2(int twips);
    Outline::Style borderStyle() const { return widget().outline().style; }
    void setBorderStyle(Outline::Style style) { outline::setStyle(style, widget()); }
    int borderColor() const { return outline::color(widget()); }
    void setBorderColor(int color) { outline::setColor(colorOrRefuse(color), widget()); }
    int borderWidth() const { return widget().outline().width; }
    void setBorderWidth(int width) { outline::setWidth(*this, width, widget()); }

private:
    enum class End { From, To };
    enum class Axis { X, Y };
    int twipsOf(End end, Axis axis) const;
    void move(End end, Axis axis, int twips);
    LineWidget &widget() const;
};

} // namespace qv::builtin
