#include "runtime/builtin/shape_members.h"

#include "controls/interface/twips.h"

namespace qv::builtin
{

namespace outline
{
int color(const DrawnWidget &widget)
{
    return toColorValue(widget.outline().colorOn(widget));
}

void setColor(std::optional<QColor> color, DrawnWidget &widget)
{
    if (!color)
        return;
    Outline changed = widget.outline();
    changed.color = *color;
    widget.setOutline(changed);
}

void setWidth(MemberObject &members, int width, DrawnWidget &widget)
{
    if (width < 1 || width > 8192)
        return members.refuse(status::invalidPropertyValue,
                              QStringLiteral("a border is 1 to 8192 pixels wide"));
    Outline changed = widget.outline();
    changed.width = width;
    widget.setOutline(changed);
}

void setStyle(Outline::Style style, DrawnWidget &widget)
{
    Outline changed = widget.outline();
    changed.style = style;
    widget.setOutline(changed);
}
} // namespace outline

ShapeMembers::ShapeMembers(ShapeWidget &shape, const ControlRecord &record)
    : PlacedMembers(shape, record)
{
}

ShapeWidget &ShapeMembers::widget() const
{
    return static_cast<ShapeWidget &>(*PlacedMembers::widget());
}

template<class Change> void ShapeMembers::changeLook(Change change)
{
    ShapeWidget::Look look = widget().look();
    change(look);
    widget().setLook(look);
}

// The enumerations follow the widget's, value for value.
static_assert(int(ShapeWidget::Kind::RoundedSquare) == ShapeMembers::vbShapeRoundedSquare);
static_assert(int(ShapeWidget::Fill::DiagonalCross) == ShapeMembers::vbDiagonalCross);

ShapeMembers::Kind ShapeMembers::shape() const
{
    return static_cast<Kind>(widget().look().kind);
}

void ShapeMembers::setShape(Kind kind)
{
    changeLook([&](ShapeWidget::Look &look) { look.kind = static_cast<ShapeWidget::Kind>(kind); });
}

ShapeMembers::FillStyle ShapeMembers::fillStyle() const
{
    return static_cast<FillStyle>(widget().look().fill);
}

void ShapeMembers::setFillStyle(FillStyle style)
{
    changeLook([&](ShapeWidget::Look &look) { look.fill = static_cast<ShapeWidget::Fill>(style); });
}

int ShapeMembers::fillColor() const
{
    return toColorValue(widget().look().fillColor);
}

void ShapeMembers::setFillColor(int color)
{
    if (const std::optional<QColor> c = colorOrRefuse(color))
        changeLook([&](ShapeWidget::Look &look) { look.fillColor = *c; });
}

LineMembers::LineMembers(LineWidget &line, const ControlRecord &record)
    : DrawnMembers(line, record)
{
}

LineWidget &LineMembers::widget() const
{
    return static_cast<LineWidget &>(*DrawnMembers::widget());
}

int LineMembers::twipsOf(End end, Axis axis) const
{
    const QPoint at = end == End::From ? widget().from() : widget().to();
    const TwipsScale scale = TwipsScale::of(widget());
    return axis == Axis::X ? scale.toTwipsX(at.x()) : scale.toTwipsY(at.y());
}

void LineMembers::move(End end, Axis axis, int twips)
{
    if (refusedAsBeyondReach(twips))
        return;
    const TwipsScale scale = TwipsScale::of(widget());
    QPoint from = widget().from();
    QPoint to = widget().to();
    QPoint &moved = end == End::From ? from : to;
    if (axis == Axis::X)
        moved.setX(scale.toPixelsX(twips));
    else
        moved.setY(scale.toPixelsY(twips));
    widget().setEnds(from, to);
}

int LineMembers::x1() const
{
    return twipsOf(End::From, Axis::X);
}

int LineMembers::y1() const
{
    return twipsOf(End::From, Axis::Y);
}

int LineMembers::x2() const
{
    return twipsOf(End::To, Axis::X);
}

int LineMembers::y2() const
{
    return twipsOf(End::To, Axis::Y);
}

void LineMembers::setX1(int twips)
{
    move(End::From, Axis::X, twips);
}

void LineMembers::setY1(int twips)
{
    move(End::From, Axis::Y, twips);
}

void LineMembers::setX2(int twips)
{
    move(End::To, Axis::X, twips);
}

void LineMembers::setY2(int twips)
{
    move(End::To, Axis::Y, twips);
}

} // namespace qv::builtin
