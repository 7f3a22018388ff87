#pragma once
// The up-down control's own members: the value its arrows step between Min and Max.

#include "up_down.h"

#include <quorvane/member_object.h>

namespace qv::mscomctl2
{

class UpDownMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE setValue STORED true)
    Q_PROPERTY(int Min READ min WRITE setMin STORED true)
    Q_PROPERTY(int Max READ max WRITE setMax STORED true)
    Q_PROPERTY(int Increment READ increment WRITE setIncrement STORED true)
    Q_PROPERTY(bool Wrap READ wrap WRITE setWrap STORED true)
    // Chosen when the control is placed on its form.
    Q_PROPERTY(OrientationConstants Orientation READ orientation STORED true)
public:
    enum OrientationConstants { cc2OrientationVertical = 0, cc2OrientationHorizontal = 1 };
    Q_ENUM(OrientationConstants)

    explicit UpDownMembers(UpDownControl &control);

    int value() const;
    void setValue(int value);
    int min() const;
    void setMin(int min);
    int max() const;
    void setMax(int max);
    int increment() const;
    void setIncrement(int increment);
    bool wrap() const;
    void setWrap(bool wrap);
    OrientationConstants orientation() const;

signals:
    // The value changed, by an arrow or by the program.
    void Change();
    // The up (or right) arrow was clicked; the down (or left) one.
    void UpClick();
    void DownClick();

private:
    // Changes one part of the control's range; the value moves into the new range.
    template<class Part> void changeRange(Part UpDownControl::Range::*part, Part value);

    UpDownControl &control_;
};

} // namespace qv::mscomctl2
