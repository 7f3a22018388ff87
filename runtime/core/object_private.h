#pragma once
// What an Object holds: the member object it stands for, watched so that an Object outliving it fails
// instead of touching what is gone, and whose it is, as its failures name it.

#include "runtime/core/late_binding.h"
#include <quorvane/object.h>

#include <QPointer>

namespace qv
{

class Runtime;

class ObjectPrivate final : public ObjectWrapping
{
public:
    // `whose` names the object as a failure does: "Form1.TreeView1 (MSComctlLib.TreeView).Nodes".
    ObjectPrivate(Runtime &runtime, MemberObject &target, QString whose);

    static const ObjectPrivate &of(const Object &object) { return *object.d_; }
    // An Object for `object`, reached from an object named `whose` through `member`.
    static Variant made(Runtime &runtime, MemberObject &object, const QString &whose,
                        std::string_view member);

    Runtime &runtime() const { return runtime_; }
    const QString &whose() const { return whose_; }
    // The member object, or why there is none to call: the run has ended, or it is gone.
    Outcome<MemberObject *> target() const;
    Variant wrap(MemberObject &object, std::string_view member) const override;

private:
    Runtime &runtime_;
    QPointer<MemberObject> target_;
    QString whose_;
};

// The objects handed out by whatever `whose` names (a control, as its failures name it), each named after the
// member that reached it.
class ReachedObjects final : public ObjectWrapping
{
public:
    ReachedObjects(Runtime &runtime, QString whose)
        : runtime_(runtime)
        , whose_(std::move(whose))
    {
    }
    Variant wrap(MemberObject &object, std::string_view member) const override
    {
        return ObjectPrivate::made(runtime_, object, whose_, member);
    }

private:
    Runtime &runtime_;
    QString whose_;
};

} // namespace qv
