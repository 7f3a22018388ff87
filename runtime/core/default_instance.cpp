#include "runtime/core/runtime.h"
#include <quorvane/default_instance.h>

namespace qv
{

void vbaNew2(Runtime &runtime, const FormClass &formClass, FormSlot &slot)
{
    Q_ASSERT_X(slot.empty(), "vbaNew2", "called only while the slot is empty");
    if (!slot.empty())
        return;
    slot.ref_ = runtime.adoptForm(formClass.create(runtime));
}

} // namespace qv
