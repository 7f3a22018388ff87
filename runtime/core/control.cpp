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
    runtime().noteControlCreated();
}

Control::~Control()
{
    runtime().noteControlDestroyed();
}

QString Control::interfaceName() const
{
    QString name = className();
    return QLatin1Char('_') + name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
}

Status Control::enter(std::string_view operation) const
{
    if (const Status injected = runtime().injectedFault(*this, operation); failed(injected))
        return injected;
    if (runtime().hasEnded())
        return runtime().fail(status::programEnded, QStringLiteral("The program has ended."));
    if (object_.isNull())
        return runtime().fail(status::objectUnloaded,
                              QStringLiteral("%1: the control's window was unloaded.").arg(objectName()));
    return status::ok;
}

Status Control::SetFocus()
{
    if (const Status s = enter("SetFocus"); failed(s))
        return s;
    QWidget *w = widget();
    if (!w || !w->isVisible() || !w->isEnabled() || w->focusPolicy() == Qt::NoFocus)
        return runtime().fail(
            status::invalidProcedureCall,
            QStringLiteral("%1 cannot take the focus: it is not visible or not enabled.").arg(objectName()));
    w->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
    return status::ok;
}

Status TextBox::Text(BStr &out) const
{
    if (const Status s = enter("Text"); failed(s))
        return s;
    out = BStr(static_cast<QLineEdit *>(widget())->text());
    return status::ok;
}

Status TextBox::Text(QStringView value)
{
    if (const Status s = enter("Text"); failed(s))
        return s;
    static_cast<QLineEdit *>(widget())->setText(value.toString());
    return status::ok;
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
