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
#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace qv
{

// A control's members: those of its class's own description first, then those every control has. A built-in
// class and a form have one object that describes both.
class MemberSet
{
public:
    MemberSet(MemberObject &only)
        : objects_ { &only, nullptr }
    {
    }
    MemberSet(MemberObject *own, MemberObject &common)
        : objects_ { own ? own : &common, own ? &common : nullptr }
    {
    }
    const MemberObject *const *begin() const { return objects_.data(); }
    const MemberObject *const *end() const { return objects_.data() + (objects_[1] ? 2 : 1); }
    MemberObject *const *begin() { return objects_.data(); }
    MemberObject *const *end() { return objects_.data() + (objects_[1] ? 2 : 1); }

private:
    std::array<MemberObject *, 2> objects_;
};

// How an object a member hands out (a collection, an item of one) becomes a program's Object: made by
// whoever asked, who knows whose object it is and through which member it was reached.
class ObjectWrapping
{
public:
    virtual ~ObjectWrapping() = default;
    virtual Variant wrap(MemberObject &object, std::string_view member) const = 0;
};

// An object value read or returned without a wrapping reads as Nothing.
Outcome<Variant> getProperty(MemberSet members, std::string_view name,
                             const ObjectWrapping *objects = nullptr);
Outcome<> putProperty(MemberSet members, std::string_view name, const Variant &value);
// A stored value, as a load applies it: the property must be one its class stores and the value of its kind;
// a writable one is written as putProperty writes it, and one the class's maker reads itself ("MadeFrom" in
// its class information) is only checked.
Outcome<> storeProperty(MemberSet members, const StoredValue &stored);
Outcome<Variant> callMethod(MemberSet members, std::string_view name, std::span<const Variant> arguments,
                            const ObjectWrapping *objects = nullptr);

// Every property, method and event the meta-object declares beyond QObject's own.
std::vector<MemberInfo> describeMembers(const QMetaObject &meta);
// A class's own members, then those of the common description that its own do not name again.
std::vector<MemberInfo> describeMembers(const QMetaObject *own, const QMetaObject &common);
std::vector<MemberInfo> describeMembers(const MemberSet &members);

// The first member of a module's description whose type no program can hold, said as a reason ("its
// property Bounds is a QRect, which a program cannot hold"); none when every member is drivable.
std::optional<QString> undrivableMember(const QMetaObject &description);

// A value for a member of the given type, converted as the forms runtime converts: a number written to a
// String property becomes its text, "12" written to a Long becomes 12, "twelve" is a type mismatch and 70000
// written to an Integer an overflow. An Object goes to a member as the object it stands for; a member that
// takes a QVariant takes any value, as the forms runtime's Variant parameters do.
Outcome<QVariant> toMemberValue(const Variant &value, QMetaType type);
Variant fromMemberValue(const QVariant &value, const ObjectWrapping *objects = nullptr,
                        std::string_view member = {});

} // namespace qv
