#include "runtime/core/control_members.h"
#include "runtime/core/control_private.h"
#include "runtime/core/late_binding.h"
#include "runtime/core/object_private.h"
#include "runtime/core/runtime.h"
#ifdef QUORVANE_TEST_SEAMS
#include "runtime/core/test_seams.h"
#endif
#include <quorvane/form.h>
#include <quorvane/form_description.h>

#include <QLineEdit>

namespace qv
{

ControlPrivate::ControlPrivate(Runtime &runtime, const ControlRecord &record, QObject *object,
                               QString className, MembersMaker makeMembers, OwnMembersMaker makeOwnMembers)
    : runtime_(runtime)
    , record_(record)
    , object_(object)
    , className_(std::move(className))
    , makeMembers_(makeMembers)
    , makeOwnMembers_(std::move(makeOwnMembers))
{
}

MemberSet ControlPrivate::members()
{
    if (!members_) {
        if (makeMembers_)
            members_ = makeMembers_(*object_, record_);
        else if (QWidget *w = widget())
            members_ = new WindowedMembers(*w, record_);
        else
            members_ = new ControlMembers(*object_, record_);
        if (makeOwnMembers_) {
            ownMembers_ = makeOwnMembers_(*object_);
            // A module's object goes with the control's, as the runtime's do.
            if (ownMembers_)
                ownMembers_->setParent(object_);
        }
    }
    return MemberSet(ownMembers_.data(), *members_);
}

Outcome<> ControlPrivate::enter(const Control &control, [[maybe_unused]] std::string_view operation) const
{
#ifdef QUORVANE_TEST_SEAMS
    if (std::optional<Failure> injected = probeOf(runtime_).injectedFault(control, operation))
        return *injected;
#endif
    if (runtime_.hasEnded())
        return failure(status::programEnded, QStringLiteral("The program has ended."));
    if (object_.isNull())
        return failure(status::objectUnloaded,
                       QStringLiteral("%1: the control's window was unloaded.").arg(control.objectName()));
    return {};
}

Control::Control(std::unique_ptr<ControlPrivate> d)
    : ComObject(d->runtime(), storedText(d->record().name))
    , d_(std::move(d))
{
#ifdef QUORVANE_TEST_SEAMS
    probeOf(runtime()).controlCreated();
#endif
}

Control::~Control()
{
#ifdef QUORVANE_TEST_SEAMS
    probeOf(runtime()).controlDestroyed();
#endif
}

QString Control::className() const
{
    return d_->className();
}

QString Control::interfaceName() const
{
    const QString &name = d_->className();
    return QLatin1Char('_') + name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
}

Status Control::SetFocus()
{
    if (Outcome<> entered = d_->enter(*this, "SetFocus"); !entered)
        return runtime().statusOf(entered);
    QWidget *w = d_->widget();
    if (!w || !w->isVisible() || !w->isEnabled() || w->focusPolicy() == Qt::NoFocus)
        return runtime().statusOf(failure(
            status::invalidProcedureCall,
            QStringLiteral("%1 cannot take the focus: it is not visible or not enabled.").arg(objectName())));
    w->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
    return runtime().statusOf({});
}

namespace
{
// The form a control's object belongs to, as reports name it.
QString formNameOf(const QObject *object)
{
    for (; object; object = object->parent()) {
        if (const auto *w = qobject_cast<const QWidget *>(object))
            return w->window()->objectName();
    }
    return QString();
}

// The control as a failure names it: "Form1.Check1 (CheckBox)".
QString whose(const Control &control, const ControlPrivate &d)
{
    return QStringLiteral("%1.%2 (%3)").arg(formNameOf(d.object()), control.objectName(), d.className());
}

// A member call's failure, told whose: "Form1.Check1 (CheckBox): Value = 5: not one of its values".
Status memberFailed(Control &control, const ControlPrivate &d, Failure why)
{
    why.info.description = QStringLiteral("%1: %2").arg(whose(control, d), why.explanation());
    return control.runtime().statusOf(why);
}

} // namespace

Status Control::get(std::string_view property, Variant &out)
{
    if (Outcome<> entered = d_->enter(*this, property); !entered)
        return runtime().statusOf(entered);
    const ReachedObjects objects(runtime(), whose(*this, *d_));
    Outcome<Variant> read = getProperty(d_->members(), property, &objects);
    if (!read)
        return memberFailed(*this, *d_, std::move(read).failure());
    out = std::move(read).value();
    return runtime().statusOf({});
}

Status Control::put(std::string_view property, const Variant &value)
{
    if (Outcome<> entered = d_->enter(*this, property); !entered)
        return runtime().statusOf(entered);
    if (Outcome<> written = putProperty(d_->members(), property, value); !written)
        return memberFailed(*this, *d_, std::move(written).failure());
    return runtime().statusOf({});
}

Status Control::call(std::string_view method, std::span<const Variant> arguments, Variant &result)
{
    if (Outcome<> entered = d_->enter(*this, method); !entered)
        return runtime().statusOf(entered);
    const ReachedObjects objects(runtime(), whose(*this, *d_));
    Outcome<Variant> called = callMethod(d_->members(), method, arguments, &objects);
    if (!called)
        return memberFailed(*this, *d_, std::move(called).failure());
    result = std::move(called).value();
    return runtime().statusOf({});
}

Status Control::call(std::string_view method, std::initializer_list<Variant> arguments)
{
    Variant ignored;
    return call(method, std::span<const Variant>(arguments.begin(), arguments.size()), ignored);
}

std::vector<MemberInfo> Control::members() const
{
    if (!d_->object())
        return {};
    return describeMembers(d_->members());
}

TextBox::TextBox(std::unique_ptr<ControlPrivate> d)
    : Control(std::move(d))
{
}

TextBox::~TextBox() = default;

Status TextBox::Text(BStr &out)
{
    const ControlPrivate &d = ControlPrivate::of(*this);
    if (Outcome<> entered = d.enter(*this, "Text"); !entered)
        return runtime().statusOf(entered);
    out = BStr(static_cast<QLineEdit *>(d.widget())->text());
    return runtime().statusOf({});
}

Status TextBox::Text(QStringView value)
{
    const ControlPrivate &d = ControlPrivate::of(*this);
    if (Outcome<> entered = d.enter(*this, "Text"); !entered)
        return runtime().statusOf(entered);
    static_cast<QLineEdit *>(d.widget())->setText(value.toString());
    return runtime().statusOf({});
}

CommandButton::CommandButton(std::unique_ptr<ControlPrivate> d)
    : Control(std::move(d))
{
}

CommandButton::~CommandButton() = default;

Control *makeControlObject(Form &form, const ControlRecord &record, MadeObject made)
{
    auto d = std::make_unique<ControlPrivate>(form.runtime(), record, made.object, std::move(made.className),
                                              made.members, std::move(made.ownMembers));
    if (isBuiltin(record.cls, BuiltinClass::TextBox))
        return new TextBox(std::move(d));
    if (isBuiltin(record.cls, BuiltinClass::CommandButton))
        return new CommandButton(std::move(d));
    return new Control(std::move(d));
}

} // namespace qv
