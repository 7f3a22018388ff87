#pragma once
// The members of a control that holds a value between Min and Max and steps it by the arrow keys and by the
// page: the slider and the flat scroll bar.

#include <quorvane/member_object.h>

class QAbstractSlider;

namespace qv::kit
{

struct RangeRules {
    int lowest; // the least Min, Max or Value may be
    int highest;
    bool maxAboveMin; // the slider's Max must lie above its Min; a scroll bar's may equal it
};

class RangeMembers : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE setValue STORED true)
    Q_PROPERTY(int Min READ min WRITE setMin STORED true)
    Q_PROPERTY(int Max READ max WRITE setMax STORED true)
    Q_PROPERTY(int SmallChange READ smallChange WRITE setSmallChange STORED true)
    Q_PROPERTY(int LargeChange READ largeChange WRITE setLargeChange STORED true)
public:
    RangeMembers(QAbstractSlider &range, RangeRules rules);

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

protected:
    QAbstractSlider &range() const { return range_; }

private:
    bool refusedRange(int min, int max);

    QAbstractSlider &range_;
    RangeRules rules_;
};

} // namespace qv::kit
