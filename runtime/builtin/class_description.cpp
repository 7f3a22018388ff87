// The type information of a built-in class, read from its members' meta-object without making a control.

#include "runtime/builtin/class_table.h"
#include "runtime/core/late_binding.h"
#include <quorvane/members.h>

namespace qv
{

std::vector<MemberInfo> classMembers(BuiltinClass cls)
{
    if (!isBuiltinClass(cls))
        return {};
    return describeMembers(*builtin::entryOf(cls).members.description);
}

QString builtinClassName(BuiltinClass cls)
{
    return isBuiltinClass(cls) ? storedText(builtin::classNameOf(cls)) : QString();
}

} // namespace qv
