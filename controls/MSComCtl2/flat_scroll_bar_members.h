#pragma once
// The flat scroll bar's own members: its range and steps, which way it lies and how it is drawn.

#include "controls/kit/range_members.h"

namespace qv::mscomctl2
{

class FlatScrollBar;

class FlatScrollBarMembers final : public kit::RangeMembers
{
    Q_OBJECT
    Q_PROPERTY(OrientationConstants Orientation READ orientation WRITE setOrientation STORED true)
    Q_PROPERTY(AppearanceConstants Appearance READ appearance WRITE setAppearance STORED true)
public:
    enum OrientationConstants { cc2OrientationVertical = 0, cc2OrientationHorizontal = 1 };
    Q_ENUM(OrientationConstants)
    enum AppearanceConstants { fsb3D = 0, fsbFlat = 1 };
    Q_ENUM(AppearanceConstants)

    explicit FlatScrollBarMembers(FlatScrollBar &bar);

    OrientationConstants orientation() const;
    void setOrientation(OrientationConstants orientation);
    AppearanceConstants appearance() const;
    void setAppearance(AppearanceConstants appearance);

private:
    FlatScrollBar &bar() const;
};

} // namespace qv::mscomctl2
