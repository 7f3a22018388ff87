#include "up_down_members.h"

#include <algorithm>

namespace qv::mscomctl2
{

template<class Part> void UpDownMembers::changeRange(Part UpDownControl::Range::*part, Part value)
{
    UpDownControl::Range range = control_.range();
    range.*part = value;
    control_.setRange(range);
}

UpDownMembers::UpDownMembers(UpDownControl &control)
    : control_(control)
{
    connect(&control, &UpDownControl::valueChanged, this, &UpDownMembers::Change);
    connect(&control, &UpDownControl::stepped, this, [this](bool towardMax) {
        if (towardMax)
            emit UpClick();
        else
            emit DownClick();
    });
}

int UpDownMembers::value() const
{
    return control_.value();
}

void UpDownMembers::setValue(int value)
{
    const UpDownControl::Range &range = control_.range();
    if (value < std::min(range.min, range.max) || value > std::max(range.min, range.max))
        return refuse(
            status::invalidPropertyValue,
            QStringLiteral("the value lies between Min (%1) and Max (%2)").arg(range.min).arg(range.max));
    control_.setValue(value);
}

int UpDownMembers::min() const
{
    return control_.range().min;
}

void UpDownMembers::setMin(int min)
{
    changeRange(&UpDownControl::Range::min, min);
}

int UpDownMembers::max() const
{
    return control_.range().max;
}

void UpDownMembers::setMax(int max)
{
    changeRange(&UpDownControl::Range::max, max);
}

int UpDownMembers::increment() const
{
    return control_.range().increment;
}

void UpDownMembers::setIncrement(int increment)
{
    if (increment < 1)
        return refuse(status::invalidPropertyValue, QStringLiteral("the increment is 1 or more"));
    changeRange(&UpDownControl::Range::increment, increment);
}

bool UpDownMembers::wrap() const
{
    return control_.range().wrap;
}

void UpDownMembers::setWrap(bool wrap)
{
    changeRange(&UpDownControl::Range::wrap, wrap);
}

UpDownMembers::OrientationConstants UpDownMembers::orientation() const
{
    return control_.orientation() == Qt::Vertical ? cc2OrientationVertical : cc2OrientationHorizontal;
}

} // namespace qv::mscomctl2
