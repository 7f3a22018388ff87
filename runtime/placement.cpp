#include "placement.h"

#include <QWidget>

namespace qv
{

QRect placement(const ControlRecord &record, const QWidget &container, const TwipsScale &scale)
{
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
