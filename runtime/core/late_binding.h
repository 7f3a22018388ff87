#pragma once
// Members by name over a member object's meta-object: read and write a property, call a method, and list
// every member as run-time type information. Names match without regard to case, as the programs of a forms
// runtime write them; a failure says which member, which value and why, and the caller adds whose.

#include "runtime/core/member_object.h"
#include <quorvane/form_description.h>
#include <quorvane/members.h>
#include <quorvane/outcome.h>
#include <quorvane/variant.h>

#include <QMetaObject>
#include <span>
#include <string_view>
#include <vector>

namespace qv
{

Outcome<Variant> getProperty(MemberObject &members, std::string_view name);
Outcome<> putProperty(MemberObject &members, std::string_view name, const Variant &value);
// A stored value, as a load applies it: the property must be one its class stores and the value of its kind;
// a writable one is written as putProperty writes it, and one the class's maker reads itself ("MadeFrom" in
// its class information) is only checked.
Outcome<> storeProperty(MemberObject &members, const StoredValue &stored);
Outcome<Variant> callMethod(MemberObject &members, std::string_view name, std::span<const Variant> arguments);

// Every property, method and event the meta-object declares beyond QObject's own.
std::vector<MemberInfo> describeMembers(const QMetaObject &meta);

// A value for a member of the given type, converted as the forms runtime converts: a number written to a
// String property becomes its text, "12" written to a Long becomes 12, "twelve" is a type mismatch and 70000
// written to an Integer an overflow.
Outcome<QVariant> toMemberValue(const Variant &value, QMetaType type);
Variant fromMemberValue(const QVariant &value);

} // namespace qv
