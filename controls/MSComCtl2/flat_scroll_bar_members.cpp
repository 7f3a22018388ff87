#include "flat_scroll_bar_members.h"
#include "flat_scroll_bar.h"

namespace qv::mscomctl2
{

FlatScrollBarMembers::FlatScrollBarMembers(FlatScrollBar &bar)
    : RangeMembers(bar, { scrollBarLowest, scrollBarHighest, false })
{
}

FlatScrollBar &FlatScrollBarMembers::bar() const
{
    return static_cast<FlatScrollBar &>(range());
}

FlatScrollBarMembers::OrientationConstants FlatScrollBarMembers::orientation() const
{
    return bar().orientation() == Qt::Vertical ? cc2OrientationVertical : cc2OrientationHorizontal;
}

void FlatScrollBarMembers::setOrientation(OrientationConstants orientation)
{
    bar().setOrientation(orientation == cc2OrientationVertical ? Qt::Vertical : Qt::Horizontal);
}

FlatScrollBarMembers::AppearanceConstants FlatScrollBarMembers::appearance() const
{
    return bar().isFlat() ? fsbFlat : fsb3D;
}

void FlatScrollBarMembers::setAppearance(AppearanceConstants appearance)
{
    bar().setFlat(appearance == fsbFlat);
}

} // namespace qv::mscomctl2
