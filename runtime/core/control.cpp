#include "runtime/core/control_private.h"
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
                               QString className)
    : runtime_(runtime)
    , record_(record)
    , object_(object)
    , className_(std::move(className))
{
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

Control *makeControlObject(Form &form, const ControlRecord &record, QObject *object, QString className)
{
    auto d = std::make_unique<ControlPrivate>(form.runtime(), record, object, std::move(className));
    if (isBuiltin(record.cls, BuiltinClass::TextBox))
        return new TextBox(std::move(d));
    if (isBuiltin(record.cls, BuiltinClass::CommandButton))
        return new CommandButton(std::move(d));
    return new Control(std::move(d));
}

} // namespace qv
