#include "slider_members.h"
#include "slider.h"

#include <QSlider>
#include <limits>

namespace qv::mscomctl
{

SliderMembers::SliderMembers(QSlider &slider)
    : RangeMembers(slider, { std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), true })
{
}

QSlider &SliderMembers::slider() const
{
    return static_cast<QSlider &>(range());
}

int SliderMembers::tickFrequency() const
{
    return slider().tickInterval();
}

void SliderMembers::setTickFrequency(int frequency)
{
    if (frequency < 1 || frequency > maxTickFrequency)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("the tick frequency is 1 to %1").arg(maxTickFrequency));
    slider().setTickInterval(frequency);
}

SliderMembers::OrientationConstants SliderMembers::orientation() const
{
    return slider().orientation() == Qt::Horizontal ? ccOrientationHorizontal : ccOrientationVertical;
}

void SliderMembers::setOrientation(OrientationConstants orientation)
{
    slider().setOrientation(orientation == ccOrientationHorizontal ? Qt::Horizontal : Qt::Vertical);
}

SliderMembers::TickStyleConstants SliderMembers::tickStyle() const
{
    for (std::size_t style = 0; style < tickPositions.size(); ++style) {
        if (tickPositions[style] == slider().tickPosition())
            return static_cast<TickStyleConstants>(style);
    }
    return sldBottomRight;
}

void SliderMembers::setTickStyle(TickStyleConstants style)
{
    slider().setTickPosition(tickPositions[static_cast<std::size_t>(style)]);
}

} // namespace qv::mscomctl
