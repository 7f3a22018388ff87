#include "runtime/core/placement.h"

#include <QWidget>
#include <algorithm>

namespace qv
{

QRect lineBounds(QPoint from, QPoint to)
{
    // Corners are inclusive: a horizontal or vertical line still gets 1 pixel across.
    return QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                 QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
}

QRect placement(const ControlRecord &record, const QWidget &container, const TwipsScale &scale)
{
    // A line starts as its first end alone; its stored other end places it.
    if (isBuiltin(record.cls, BuiltinClass::Line)) {
        const QPoint from(scale.toPixelsX(record.left), scale.toPixelsY(record.top));
        return lineBounds(from, from);
    }
    const QRect stored = scale.toPixels(record.left, record.top, record.width, record.height);
    switch (record.align) {
    case EdgeAlign::Top:
        return QRect(0, 0, container.width(), stored.height());
    case EdgeAlign::Bottom:
        return QRect(0, container.height() - stored.height(), container.width(), stored.height());
    case EdgeAlign::None:
        break;
    }
    return stored;
}

} // namespace qv
