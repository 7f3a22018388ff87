#pragma once
// The slider's own members: its range and steps, its orientation and its tick marks.

#include "controls/kit/range_members.h"

class QSlider;

namespace qv::mscomctl
{

class SliderMembers final : public kit::RangeMembers
{
    Q_OBJECT
    Q_PROPERTY(int TickFrequency READ tickFrequency WRITE setTickFrequency STORED true)
    Q_PROPERTY(OrientationConstants Orientation READ orientation WRITE setOrientation STORED true)
    Q_PROPERTY(TickStyleConstants TickStyle READ tickStyle WRITE setTickStyle STORED true)
public:
    enum OrientationConstants { ccOrientationHorizontal = 0, ccOrientationVertical = 1 };
    Q_ENUM(OrientationConstants)
    enum TickStyleConstants { sldBottomRight = 0, sldTopLeft = 1, sldBoth = 2, sldNoTicks = 3 };
    Q_ENUM(TickStyleConstants)

    explicit SliderMembers(QSlider &slider);

    int tickFrequency() const;
    void setTickFrequency(int frequency);
    OrientationConstants orientation() const;
    void setOrientation(OrientationConstants orientation);
    TickStyleConstants tickStyle() const;
    void setTickStyle(TickStyleConstants style);

private:
    QSlider &slider() const;
};

} // namespace qv::mscomctl
