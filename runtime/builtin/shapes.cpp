// The drawn classes: the shape and the line. Both are drawn in the window's foreground colour, 1 pixel wide
// and solid, over a transparent background, and let the mouse through to the window as the classic
// windowless controls do.

#include "runtime/builtin/makers.h"
#include "controls/interface/accessible_role.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace qv::builtin
{

namespace
{
QPen outlinePen(const QWidget &widget)
{
    QPen pen(widget.palette().color(QPalette::WindowText));
    pen.setWidth(1);
    pen.setStyle(Qt::SolidLine);
    return pen;
}

void makeTransparent(QWidget &widget)
{
    widget.setAttribute(Qt::WA_TransparentForMouseEvents);
    widget.setAttribute(Qt::WA_NoSystemBackground);
    widget.setFocusPolicy(Qt::NoFocus);
}

// The default shape: a rectangle outline along the widget's edges, not filled.
class ShapeWidget final : public QWidget
{
public:
    explicit ShapeWidget(QWidget &container)
        : QWidget(&container)
    {
        makeTransparent(*this);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(outlinePen(*this));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// Keeps its end points in the container's pixels, so it draws the same line wherever its widget is placed.
class LineWidget final : public QWidget
{
public:
    LineWidget(QPoint from, QPoint to, QWidget &container)
        : QWidget(&container)
        , from_(from)
        , to_(to)
    {
        makeTransparent(*this);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(outlinePen(*this));
        painter.drawLine(from_ - pos(), to_ - pos());
    }

private:
    QPoint from_;
    QPoint to_;
};

} // namespace

Outcome<QObject *> makeShape(const ControlRecord &, const MakeSite &site)
{
    auto *shape = new ShapeWidget(site.container);
    presentAs(*shape, QAccessible::Graphic);
    return shape;
}

Outcome<QObject *> makeLine(const ControlRecord &record, const MakeSite &site)
{
    const QPoint from(site.scale.toPixelsX(record.left), site.scale.toPixelsY(record.top));
    const QPoint to(site.scale.toPixelsX(record.x2), site.scale.toPixelsY(record.y2));
    auto *line = new LineWidget(from, to, site.container);
    presentAs(*line, QAccessible::Separator);
    return line;
}

} // namespace qv::builtin
