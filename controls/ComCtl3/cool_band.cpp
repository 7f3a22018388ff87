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
}

} // namespace qv::comctl3
