#include "flat_scroll_bar.h"

#include "controls/interface/checked_block.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

namespace qv::mscomctl2
{

namespace
{
// A small solid triangle in the middle of an arrow button.
QPolygonF arrowGlyph(const QRectF &button, Qt::ArrowType arrow)
{
    const QPointF c = button.center();
    const qreal r = std::min(button.width(), button.height()) / 3;
    switch (arrow) {
    case Qt::LeftArrow:
        return { { c.x() - r / 2, c.y() }, { c.x() + r / 2, c.y() - r }, { c.x() + r / 2, c.y() + r } };
    case Qt::RightArrow:
        return { { c.x() + r / 2, c.y() }, { c.x() - r / 2, c.y() - r }, { c.x() - r / 2, c.y() + r } };
    case Qt::UpArrow:
        return { { c.x(), c.y() - r / 2 }, { c.x() - r, c.y() + r / 2 }, { c.x() + r, c.y() + r / 2 } };
    default:
        return { { c.x(), c.y() + r / 2 }, { c.x() - r, c.y() - r / 2 }, { c.x() + r, c.y() - r / 2 } };
    }
}
} // namespace

FlatScrollBar::FlatScrollBar(Qt::Orientation orientation, bool flat, QWidget *parent)
    : QScrollBar(orientation, parent)
    , flat_(flat)
{
}

void FlatScrollBar::setFlat(bool flat)
{
    flat_ = flat;
    update();
}

void FlatScrollBar::paintEvent(QPaintEvent *event)
{
    if (!flat_) {
        QScrollBar::paintEvent(event);
        return;
    }
    // The style still lays out the parts, so the mouse handling of QScrollBar matches what is drawn.
    QStyleOptionSlider option;
    initStyleOption(&option);
    const auto part = [&](QStyle::SubControl control) {
        return style()->subControlRect(QStyle::CC_ScrollBar, &option, control, this);
    };
    const QPalette &colours = palette();
    const QColor glyph = colours.color(isEnabled() ? QPalette::ButtonText : QPalette::Mid);
    const bool horizontal = orientation() == Qt::Horizontal;

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), colours.color(QPalette::Midlight));
    for (const auto &[control, arrow] :
         { std::pair { QStyle::SC_ScrollBarSubLine, horizontal ? Qt::LeftArrow : Qt::UpArrow },
           std::pair { QStyle::SC_ScrollBarAddLine, horizontal ? Qt::RightArrow : Qt::DownArrow } }) {
        const QRect button = part(control);
        painter.fillRect(button, colours.color(QPalette::Button));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glyph);
        painter.drawPolygon(arrowGlyph(button, arrow));
    }
    if (isEnabled() && maximum() > minimum()) {
        const QRect thumb = part(QStyle::SC_ScrollBarSlider);
        painter.fillRect(thumb, colours.color(QPalette::Button));
        painter.setPen(colours.color(QPalette::Mid));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(thumb).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

ControlLibrary::Creation createFlatScrollBar(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const bool horizontal = state.integer(u"Orientation", 1, 0, 1) == 1;
    const bool flat = state.integer(u"Appearance", 1, 0, 1) == 1;
    const int min = state.integer(u"Min", 0, scrollBarLowest, scrollBarHighest);
    const int max = state.integer(u"Max", 100, scrollBarLowest, scrollBarHighest);
    if (min > max)
        state.refuse(QStringLiteral("Min (%1) is above Max (%2)").arg(min).arg(max));
    const int value = state.integer(u"Value", min, scrollBarLowest, scrollBarHighest);
    if (value < min || value > max)
        state.refuse(QStringLiteral("Value is %1; it must lie between Min (%2) and Max (%3)")
                         .arg(value)
                         .arg(min)
                         .arg(max));
    const int smallChange = state.integer(u"SmallChange", 1, 1, scrollBarHighest);
    const int largeChange = state.integer(u"LargeChange", 1, 1, scrollBarHighest);
    if (!state.ok())
        return { nullptr, state.error() };

    auto *bar = new FlatScrollBar(horizontal ? Qt::Horizontal : Qt::Vertical, flat, &container);
    bar->setRange(min, max);
    bar->setValue(value);
    bar->setSingleStep(smallChange);
    bar->setPageStep(largeChange);
    return { bar, {} };
}

} // namespace qv::mscomctl2
