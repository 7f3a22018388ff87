// The drawn classes: the shape and the line. Both are drawn in the window's foreground colour, 1 pixel wide
// and solid, over a transparent background, and let the mouse through to the window as the classic
// windowless controls do.

#include "builtin_makers.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace qv
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

QPoint startOf(const ControlRecord &record, const TwipsScale &scale)
{
    return { scale.toPixelsX(record.left), scale.toPixelsY(record.top) };
}

QPoint endOf(const ControlRecord &record, const TwipsScale &scale)
{
    return { scale.toPixelsX(record.x2), scale.toPixelsY(record.y2) };
}
} // namespace

QWidget *makeShape(QWidget &container)
{
    return new ShapeWidget(container);
}

QWidget *makeLine(const ControlRecord &record, const TwipsScale &scale, QWidget &container)
{
    return new LineWidget(startOf(record, scale), endOf(record, scale), container);
}

QRect lineBounds(const ControlRecord &record, const TwipsScale &scale)
{
    const QPoint from = startOf(record, scale);
    const QPoint to = endOf(record, scale);
    // Corners are inclusive: a horizontal or vertical line still gets 1 pixel across.
    return QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                 QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
}

} // namespace qv
