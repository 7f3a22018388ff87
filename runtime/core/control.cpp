#include "runtime/core/control.h"
#include "runtime/core/form.h"
#include "runtime/core/runtime.h"
#include "runtime/core/stored_text.h"

#include <QLineEdit>

namespace qv
{

Control::Control(Form &form, const ControlRecord &record, QObject *object, QString className)
    : ComObject(form.runtime(), storedText(record.name))
    , record_(record)
    , object_(object)
    , className_(std::move(className))
{
    runtime().probe().controlCreated();
}

Control::~Control()
{
    runtime().probe().controlDestroyed();
}

QString Control::interfaceName() const
{
    QString name = className();
    return QLatin1Char('_') + name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
}

Outcome<> Control::enter(std::string_view operation) const
{
    if (std::optional<Failure> injected = runtime().probe().injectedFault(*this, operation))
        return *injected;
    if (runtime().hasEnded())
        return failure(status::programEnded, QStringLiteral("The program has ended."));
    if (object_.isNull())
        return failure(status::objectUnloaded,
                       QStringLiteral("%1: the control's window was unloaded.").arg(objectName()));
    return {};
}

Status Control::report(const Outcome<> &outcome)
{
    return runtime().statusOf(outcome);
}

Status Control::SetFocus()
{
    if (Outcome<> entered = enter("SetFocus"); !entered)
        return report(entered);
    QWidget *w = widget();
    if (!w || !w->isVisible() || !w->isEnabled() || w->focusPolicy() == Qt::NoFocus)
        return report(failure(
            status::invalidProcedureCall,
            QStringLiteral("%1 cannot take the focus: it is not visible or not enabled.").arg(objectName())));
    w->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
    return report({});
}

Status TextBox::Text(BStr &out)
{
    if (Outcome<> entered = enter("Text"); !entered)
        return report(entered);
    out = BStr(static_cast<QLineEdit *>(widget())->text());
    return report({});
}

Status TextBox::Text(QStringView value)
{
    if (Outcome<> entered = enter("Text"); !entered)
        return report(entered);
    static_cast<QLineEdit *>(widget())->setText(value.toString());
    return report({});
}

Control *makeControlObject(Form &form, const ControlRecord &record, QObject *object, QString className)
{
    if (isBuiltin(record.cls, BuiltinClass::TextBox))
        return new TextBox(form, record, object, std::move(className));
    if (isBuiltin(record.cls, BuiltinClass::CommandButton))
        return new CommandButton(form, record, object, std::move(className));
    return new Control(form, record, object, std::move(className));
}

} // namespace qv
