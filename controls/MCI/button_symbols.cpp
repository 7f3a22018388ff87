#include "button_symbols.h"

#include <QPainter>
#include <QPixmap>

namespace qv::mci
{

namespace
{
// Symbols are drawn on a 16 x 12 grid, centred on the line y = 6.
constexpr int symbolWidth = 16;
constexpr int symbolHeight = 12;

void bar(QPainter &p, qreal x)
{
    p.drawRect(QRectF(x, 1, 2, 10));
}

void triangleRight(QPainter &p, qreal x, qreal width)
{
    p.drawPolygon(QPolygonF { { x, 1 }, { x + width, 6 }, { x, 11 } });
}

// The symbols that point right; Prev and Back are drawn as mirror images of Next and Step.
void drawPointingRight(QPainter &p, MMButton button)
{
    switch (button) {
    case MMButton::Next:
        triangleRight(p, 1, 6);
        triangleRight(p, 7, 6);
        bar(p, 13);
        break;
    case MMButton::Step:
        bar(p, 3);
        triangleRight(p, 6, 6);
        break;
    default:
        break;
    }
}

void drawSymbol(QPainter &p, MMButton button)
{
    switch (button) {
    case MMButton::Prev:
    case MMButton::Back:
        p.translate(symbolWidth, 0);
        p.scale(-1, 1);
        drawPointingRight(p, button == MMButton::Prev ? MMButton::Next : MMButton::Step);
        break;
    case MMButton::Next:
    case MMButton::Step:
        drawPointingRight(p, button);
        break;
    case MMButton::Play:
        triangleRight(p, 5, 7);
        break;
    case MMButton::Pause:
        p.drawRect(QRectF(4, 1, 3, 10));
        p.drawRect(QRectF(9, 1, 3, 10));
        break;
    case MMButton::Stop:
        p.drawRect(QRectF(3, 1, 10, 10));
        break;
    case MMButton::Record:
        p.drawEllipse(QPointF(8, 6), 5, 5);
        break;
    case MMButton::Eject:
        p.drawPolygon(QPolygonF { { 2, 7 }, { 8, 1 }, { 14, 7 } });
        p.drawRect(QRectF(2, 9, 12, 2));
        break;
    }
}
} // namespace

QIcon buttonSymbol(MMButton button)
{
    QPixmap pixmap(symbolWidth, symbolHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(button == MMButton::Record ? QColor(Qt::darkRed) : QColor(Qt::black));
    drawSymbol(painter, button);
    painter.end();
    return QIcon(pixmap);
}

} // namespace qv::mci
