#pragma once
// The tab order of a loaded form, applied once every control exists.

#include <quorvane/com_object.h>
#include <quorvane/control.h>

#include <vector>

namespace qv
{

// Chains the controls that have a tab index, lowest first; a control without one takes no focus by tab.
void applyTabOrder(const std::vector<ObjRef<Control>> &controls);

} // namespace qv
