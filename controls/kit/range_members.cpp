#include "range_members.h"

#include <QAbstractSlider>

namespace qv::kit
{

RangeMembers::RangeMembers(QAbstractSlider &range, RangeRules rules)
    : range_(range)
    , rules_(rules)
{
    connect(&range, &QAbstractSlider::valueChanged, this, [this] {
        if (!range_.isSliderDown())
            emit Change();
    });
    connect(&range, &QAbstractSlider::sliderMoved, this, &RangeMembers::Scroll);
    connect(&range, &QAbstractSlider::sliderReleased, this, &RangeMembers::Change);
}

int RangeMembers::value() const
{
    return range_.value();
}

void RangeMembers::setValue(int value)
{
    if (value < min() || value > max())
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("the value is %1 to %2").arg(min()).arg(max()));
    range_.setValue(value);
}

int RangeMembers::min() const
{
    return range_.minimum();
}

int RangeMembers::max() const
{
    return range_.maximum();
}

bool RangeMembers::refusedRange(int min, int max)
{
    if (min < rules_.lowest || max > rules_.highest) {
        refuse(status::invalidPropertyValue,
               QStringLiteral("Min and Max are %1 to %2").arg(rules_.lowest).arg(rules_.highest));
        return true;
    }
    if (rules_.maxAboveMin ? max <= min : max < min) {
        refuse(status::invalidPropertyValue,
               QStringLiteral("Max (%1) must lie %2 Min (%3)")
                   .arg(max)
                   .arg(rules_.maxAboveMin ? QStringLiteral("above") : QStringLiteral("at or above"))
                   .arg(min));
        return true;
    }
    return false;
}

// The value moves into the new range, as the control's does.
void RangeMembers::setMin(int min)
{
    if (!refusedRange(min, max()))
        range_.setMinimum(min);
}

void RangeMembers::setMax(int max)
{
    if (!refusedRange(min(), max))
        range_.setMaximum(max);
}

int RangeMembers::smallChange() const
{
    return range_.singleStep();
}

void RangeMembers::setSmallChange(int change)
{
    if (change < 1 || change > rules_.highest)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("a change is 1 to %1").arg(rules_.highest));
    range_.setSingleStep(change);
}

int RangeMembers::largeChange() const
{
    return range_.pageStep();
}

void RangeMembers::setLargeChange(int change)
{
    if (change < 1 || change > rules_.highest)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("a change is 1 to %1").arg(rules_.highest));
    range_.setPageStep(change);
}

} // namespace qv::kit
