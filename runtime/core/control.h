#pragma once
// Control objects: the counted object a form hands out for each of its controls. The window owns the
// widget (or, for a control without a window, the plain object); the control object only points at it, so
// an operation on a control whose window was unloaded fails instead of touching freed memory.

#include "runtime/core/bstr.h"
#include "runtime/core/com_object.h"
#include "runtime/core/form_description.h"
#include "runtime/core/outcome.h"
#include "runtime/core/status.h"

#include <QPointer>
#include <QWidget>

namespace qv
{

class Form;

class Control : public ComObject
{
public:
    Control(Form &form, const ControlRecord &record, QObject *object, QString className);
    ~Control() override;

    const ControlRecord &record() const { return record_; }
    QString interfaceName() const override;
    const QString &className() const { return className_; }
    // The widget, or null for a control that has no window (or was unloaded).
    QWidget *widget() const { return qobject_cast<QWidget *>(object_.data()); }
    QObject *object() const { return object_.data(); }

    // The operations a program calls return their status; a failure leaves its explanation in the runtime's
    // error object.
    Status SetFocus();

protected:
    // An operation's common checks: no injected fault, the run not ended, the window not unloaded.
    Outcome<> enter(std::string_view operation) const;
    Status report(const Outcome<> &outcome);

private:
    const ControlRecord &record_;
    QPointer<QObject> object_;
    QString className_;
};

class TextBox final : public Control
{
public:
    using Control::Control;
    // Reads the text into a new string that the caller owns.
    Status Text(BStr &out);
    // Writes a copy of the text.
    Status Text(QStringView value);
};

class CommandButton final : public Control
{
public:
    using Control::Control;
};

// The control object of a record's made object: the text box and the command button have the operations
// handlers call; every other class is a plain control.
Control *makeControlObject(Form &form, const ControlRecord &record, QObject *object, QString className);

} // namespace qv
