// The drawn classes' widgets and makers.

#include "runtime/builtin/shapes.h"
#include "controls/interface/accessible_role.h"
#include "runtime/builtin/makers.h"
#include "runtime/core/placement.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <array>

namespace qv::builtin
{

QColor Outline::colorOn(const QWidget &widget) const
{
    return color.value_or(widget.palette().color(QPalette::WindowText));
}

QPen Outline::pen(const QWidget &widget) const
{
    QPen pen(colorOn(widget));
    pen.setWidth(width);
    // As the classic controls draw them, the broken styles are for the thinnest outline only: a wider one is
    // drawn solid.
    const bool broken = style >= vbBSDash && style <= vbBSDashDotDot;
    if (style == vbTransparent)
        pen.setStyle(Qt::NoPen);
    else if (!broken || width > 1)
        pen.setStyle(Qt::SolidLine);
    else
        pen.setStyle(style == vbBSDash          ? Qt::DashLine
                         : style == vbBSDot     ? Qt::DotLine
                         : style == vbBSDashDot ? Qt::DashDotLine
                                                : Qt::DashDotDotLine);
    return pen;
}

DrawnWidget::DrawnWidget(QWidget &container)
    : QWidget(&container)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void DrawnWidget::setOutline(const Outline &outline)
{
    outline_ = outline;
    outlineChanged();
    update();
}

ShapeWidget::ShapeWidget(QWidget &container)
    : DrawnWidget(container)
{
}

void ShapeWidget::setLook(const Look &look)
{
    look_ = look;
    update();
}

namespace
{
// The fill's brush pattern, in the order of the classic FillStyle values.
QBrush fillBrush(const ShapeWidget::Look &look)
{
    constexpr std::array patterns {
        Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
        Qt::BDiagPattern, Qt::FDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern
    };
    static_assert(patterns.size() == std::size_t(ShapeWidget::Fill::DiagonalCross) + 1);
    return QBrush(look.fillColor, patterns[static_cast<std::size_t>(look.fill)]);
}

// The largest square in `area`, in its middle.
QRect squareIn(const QRect &area)
{
    const int side = std::min(area.width(), area.height());
    QRect square(0, 0, side, side);
    square.moveCenter(area.center());
    return square;
}
} // namespace

// The outline keeps inside the widget whatever its width: the widget's edges for the thinnest one.
void ShapeWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(outline().pen(*this));
    painter.setBrush(fillBrush(look_));
    const int inset = outline().width / 2;
    const QRect area = rect().adjusted(inset, inset, -inset - 1, -inset - 1);
    const qreal rounding = std::min(area.width(), area.height()) / 6.0;
    switch (look_.kind) {
    case Kind::Rectangle:
        return painter.drawRect(area);
    case Kind::Square:
        return painter.drawRect(squareIn(area));
    case Kind::Oval:
        return painter.drawEllipse(area);
    case Kind::Circle:
        return painter.drawEllipse(squareIn(area));
    case Kind::RoundedRectangle:
        return painter.drawRoundedRect(area, rounding, rounding);
    case Kind::RoundedSquare:
        return painter.drawRoundedRect(squareIn(area), rounding, rounding);
    }
}

LineWidget::LineWidget(QPoint from, QPoint to, QWidget &container)
    : DrawnWidget(container)
    , from_(from)
    , to_(to)
{
}

void LineWidget::setEnds(QPoint from, QPoint to)
{
    from_ = from;
    to_ = to;
    outlineChanged();
    update();
}

void LineWidget::outlineChanged()
{
    const int margin = outline().width / 2;
    setGeometry(lineBounds(from_, to_).adjusted(-margin, -margin, margin, margin));
}

void LineWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(outline().pen(*this));
    painter.drawLine(from_ - pos(), to_ - pos());
}

Outcome<QObject *> makeShape(const ControlRecord &, const MakeSite &site)
{
    auto *shape = new ShapeWidget(site.container);
    presentAs(*shape, QAccessible::Graphic);
    return shape;
}

// From (Left, Top) to itself; the stored X2 and Y2, written through its members once it is made, take its
// other end where it belongs.
Outcome<QObject *> makeLine(const ControlRecord &record, const MakeSite &site)
{
    const QPoint from(site.scale.toPixelsX(record.left), site.scale.toPixelsY(record.top));
    auto *line = new LineWidget(from, from, site.container);
    presentAs(*line, QAccessible::Separator);
    return line;
}

} // namespace qv::builtin
