#pragma once
// Checked reads of a control's saved state: every class of this library refuses a value out of its range
// rather than showing something the control never could.

#include "controls/interface/property_bag.h"

namespace qv::mscomctl2
{

class SavedState
{
public:
    explicit SavedState(const settings::PropertyBag &state)
        : state_(state)
    {
    }

    // The whole-number property in [low, high], or the fallback when it is absent. A text value or one out
    // of range is a fault: the first fault is kept and the fallback returned.
    int integer(QStringView name, int low, int high, int fallback);
    // A 0-or-1 property.
    bool flag(QStringView name, bool fallback) { return integer(name, 0, 1, fallback ? 1 : 0) != 0; }

    // Records a fault found by the caller across several properties, unless one is kept already.
    void fail(const QString &message);
    bool failed() const { return !fault_.isEmpty(); }
    const QString &fault() const { return fault_; }

private:
    const settings::PropertyBag &state_;
    QString fault_;
};

} // namespace qv::mscomctl2
