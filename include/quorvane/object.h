#pragma once
// Objects a control's members hand out: a collection and its items (a tree's Nodes, one Node, a status bar's
// Panels), driven by name as a control is. A member that returns one gives a Variant holding an Object; an
// argument that takes one is given that Variant back. An Object outlives neither its control's window nor
// the item it stands for: once either is gone, an operation on it fails with a status instead of touching
// what is gone.

#include <quorvane/com_object.h>
#include <quorvane/export.h>
#include <quorvane/members.h>
#include <quorvane/status.h>
#include <quorvane/variant.h>

#include <initializer_list>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace qv
{

class ObjectPrivate;

class QUORVANE_EXPORT Object final : public ComObject
{
public:
    ~Object() override;
    // The object's interface as its module names it ("Nodes", "Node").
    QString interfaceName() const override;

    // Members by name, late bound, as a control's are: a failure returns its run-time error's status and
    // leaves in the error object whose object it was (the control and the members that reached it), which
    // member, which value and why.
    Status get(std::string_view property, Variant &out);
    Status put(std::string_view property, const Variant &value);
    Status call(std::string_view method, std::span<const Variant> arguments, Variant &result);
    Status call(std::string_view method, std::initializer_list<Variant> arguments = {});
    // Every property and method of the object; none once it is gone.
    std::vector<MemberInfo> members() const;

    // Made by the runtime, as a member hands the object out.
    explicit Object(std::unique_ptr<ObjectPrivate> d);

private:
    friend class ObjectPrivate;
    std::unique_ptr<ObjectPrivate> d_;
};

// The Object a Variant holds, or null when it holds none (Nothing, or a value of another type).
QUORVANE_EXPORT Object *objectOf(const Variant &value);

} // namespace qv
