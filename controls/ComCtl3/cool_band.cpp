#include "cool_band.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <qdrawutil.h>

namespace qv::comctl3
{

namespace
{
constexpr int edgeWidth = 1;
constexpr int gripWidth = 8;
} // namespace

CoolBand::CoolBand(const Settings &settings, QWidget *parent)
    : QFrame(parent)
    , settings_(settings)
{
    setMinimumHeight(settings.minHeight);
    // Whatever a band holds starts right of its edge and grip.
    setContentsMargins(edgeWidth + gripWidth, edgeWidth, edgeWidth, edgeWidth);
}

void CoolBand::setBandWidth(int pixels)
{
    settings_.width = pixels;
    updateGeometry();
}

void CoolBand::setMinHeight(int pixels)
{
    settings_.minHeight = pixels;
    setMinimumHeight(pixels);
    updateGeometry();
}

void CoolBand::setMinWidth(int pixels)
{
    minWidth_ = pixels;
    setMinimumWidth(pixels);
    updateGeometry();
}

void CoolBand::setCaption(const QString &caption)
{
    caption_ = caption;
    update();
}

void CoolBand::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    // A plain light-and-dark edge: styles that draw frames in soft greys leave bands hard to tell apart.
    qDrawShadePanel(&painter, rect(), palette(), false, edgeWidth);
    QStyleOption grip;
    grip.initFrom(this);
    grip.rect = QRect(edgeWidth + 1, edgeWidth + 1, gripWidth - 2, height() - 2 * edgeWidth - 2);
    grip.state |= QStyle::State_Horizontal;
    style()->drawPrimitive(QStyle::PE_IndicatorToolBarHandle, &grip, &painter, this);
    // The caption stands right of the grip, before whatever the band holds.
    if (!caption_.isEmpty())
        painter.drawText(contentsRect().adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, caption_);
}

} // namespace qv::comctl3
