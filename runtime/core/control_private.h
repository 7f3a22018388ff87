#pragma once
// What the runtime keeps of a control beyond what a program may ask: its stored record and its object (the
// widget, or the plain object of a class without a window). The window owns that object; the control only
// points at it.

#include "runtime/core/control_maker.h"
#include "runtime/core/late_binding.h"
#include "runtime/core/member_object.h"
#include <quorvane/control.h>
#include <quorvane/form_description.h>
#include <quorvane/outcome.h>

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace qv
{

class Form;

class ControlPrivate
{
public:
    ControlPrivate(Runtime &runtime, const ControlRecord &record, QObject *object, QString className,
                   MembersMaker makeMembers = nullptr, OwnMembersMaker makeOwnMembers = {});

    static ControlPrivate &of(Control &control) { return *control.d_; }
    static const ControlPrivate &of(const Control &control) { return *control.d_; }

    Runtime &runtime() const { return runtime_; }
    const ControlRecord &record() const { return record_; }
    const QString &className() const { return className_; }
    // The widget, or null for a control that has no window (or was unloaded).
    QWidget *widget() const { return qobject_cast<QWidget *>(object_.data()); }
    QObject *object() const { return object_.data(); }

    // An operation's common checks: the run not ended, the window not unloaded (and, in the tests' runtime,
    // no fault injected).
    Outcome<> enter(const Control &control, std::string_view operation) const;

    // The objects that carry its members, made when first asked for (and gone with the control's object):
    // a module's class's own, then those every control has.
    MemberSet members();

private:
    Runtime &runtime_;
    const ControlRecord &record_;
    QPointer<QObject> object_;
    QString className_;
    MembersMaker makeMembers_;
    OwnMembersMaker makeOwnMembers_;
    QPointer<MemberObject> members_;
    QPointer<MemberObject> ownMembers_;
};

inline const ControlRecord &recordOf(const Control &control)
{
    return ControlPrivate::of(control).record();
}
inline QWidget *widgetOf(const Control &control)
{
    return ControlPrivate::of(control).widget();
}
inline QObject *objectOf(const Control &control)
{
    return ControlPrivate::of(control).object();
}

// The control object of a record's made object: the text box and the command button have the operations
// handlers call; every other class is a plain control.
Control *makeControlObject(Form &form, const ControlRecord &record, MadeObject made);

} // namespace qv
