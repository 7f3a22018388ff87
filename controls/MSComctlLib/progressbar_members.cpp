#include "progressbar_members.h"

#include <QProgressBar>
#include <algorithm>

namespace qv::mscomctl
{

ProgressBarMembers::ProgressBarMembers(QProgressBar &bar)
    : bar_(bar)
{
}

int ProgressBarMembers::value() const
{
    return bar_.value();
}

void ProgressBarMembers::setValue(int value)
{
    if (value < min() || value > max())
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("the value is %1 to %2").arg(min()).arg(max()));
    bar_.setValue(value);
}

int ProgressBarMembers::min() const
{
    return bar_.minimum();
}

int ProgressBarMembers::max() const
{
    return bar_.maximum();
}

bool ProgressBarMembers::refusedRange(int min, int max)
{
    if (max > min)
        return false;
    refuse(status::invalidPropertyValue,
           QStringLiteral("Max (%1) must lie above Min (%2)").arg(max).arg(min));
    return true;
}

// A value outside the new range moves to its nearer end, as the control's does.
void ProgressBarMembers::setMin(int min)
{
    if (refusedRange(min, max()))
        return;
    const int value = std::max(bar_.value(), min);
    bar_.setMinimum(min);
    bar_.setValue(value);
}

void ProgressBarMembers::setMax(int max)
{
    if (refusedRange(min(), max))
        return;
    const int value = std::min(bar_.value(), max);
    bar_.setMaximum(max);
    bar_.setValue(value);
}

ProgressBarMembers::OrientationConstants ProgressBarMembers::orientation() const
{
    return bar_.orientation() == Qt::Horizontal ? ccOrientationHorizontal : ccOrientationVertical;
}

void ProgressBarMembers::setOrientation(OrientationConstants orientation)
{
    bar_.setOrientation(orientation == ccOrientationHorizontal ? Qt::Horizontal : Qt::Vertical);
}

} // namespace qv::mscomctl
