#pragma once
// Stands in for the up-down control: a pair of arrow buttons that step a value between Min and Max.

#include <quorvane/control_library.h>

#include <QFrame>

namespace qv::mscomctl2
{

// Saved state: "Min" and "Max" (default 0 and 10; Min above Max makes the up arrow count down), "Value"
// (between them, default Min), "Increment" (1 or more, default 1), "Orientation" (0 vertical, the default;
// 1 horizontal) and "Wrap" (0 or 1: whether stepping past one end goes round to the other).
ControlLibrary::Creation createUpDown(std::span<const std::byte> settings, QWidget &container);

class UpDownControl final : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(int value READ value NOTIFY valueChanged)

public:
    struct Range {
        int min = 0;
        int max = 10;
        int increment = 1;
        bool wrap = false;
    };

    UpDownControl(Range range, int value, Qt::Orientation orientation, QWidget *parent);
    int value() const { return value_; }
    // The value must lie within the range; a change is told by valueChanged.
    void setValue(int value);
    const Range &range() const { return range_; }
    // The value moves into the new range, as the control's does.
    void setRange(Range range);
    Qt::Orientation orientation() const { return orientation_; }

signals:
    void valueChanged(int value);
    // An arrow was clicked (before the value changes): the one toward Max, or the one toward Min.
    void stepped(bool towardMax);

private:
    void step(bool towardMax);

    Range range_;
    int value_;
    Qt::Orientation orientation_;
};

} // namespace qv::mscomctl2
