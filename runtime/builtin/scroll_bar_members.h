#pragma once
// The members of the horizontal and the vertical scroll bar.

#include "runtime/core/control_members.h"

class QScrollBar;

namespace qv::builtin
{

class ScrollBarMembers final : public WindowedMembers
{
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE setValue)
    Q_PROPERTY(int Min READ min WRITE setMin STORED true)
    Q_PROPERTY(int Max READ max WRITE setMax STORED true)
    Q_PROPERTY(int SmallChange READ smallChange WRITE setSmallChange STORED true)
    Q_PROPERTY(int LargeChange READ largeChange WRITE setLargeChange STORED true)
public:
    ScrollBarMembers(QScrollBar &bar, const ControlRecord &record);
    int value() const;
    void setValue(int value);
    int min() const;
    void setMin(int min);
    int max() const;
    void setMax(int max);
    int smallChange() const;
    void setSmallChange(int change);
    int largeChange() const;
    void setLargeChange(int change);

signals:
    // The value changed: by the program, a click or the keyboard, or at the end of a drag.
    void Change();
    // The thumb is being dragged.
    void Scroll();

private:
    QScrollBar &bar() const;
    bool refusedValue(int value, const char *what);
    void setRange(int min, int max);
};

} // namespace qv::builtin
