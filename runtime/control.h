#pragma once
// Control objects: the counted object a form hands out for each of its controls. The window owns the
// widget (or, for a control without a window, the plain object); the control object only points at it, so
// an operation on a control whose window was unloaded fails instead of touching freed memory.

#include "bstr.h"
#include "com_object.h"
#include "form_description.h"
#include "status.h"

#include <QPointer>
#include <QWidget>

namespace qv
{

class Form;

class Control : public ComObject
{
public:
    Control(Form &form, const ControlRecord &record, QObject *object);
    ~Control() override;

    const ControlRecord &record() const { return record_; }
    QString interfaceName() const override;
    QString className() const;
    // The widget, or null for a control that has no window (or was unloaded).
    QWidget *widget() const { return qobject_cast<QWidget *>(object_.data()); }
    QObject *object() const { return object_.data(); }

    Status SetFocus();

protected:
    // The status of an operation's common checks: not unloaded, no injected fault.
    Status enter(std::string_view operation) const;

private:
    const ControlRecord &record_;
    QPointer<QObject> object_;
};

class TextBox final : public Control
{
public:
    using Control::Control;
    // Reads the text into a new string that the caller owns.
    Status Text(BStr &out) const;
    // Writes a copy of the text.
    Status Text(QStringView value);
};

class CommandButton final : public Control
{
public:
    using Control::Control;
};

} // namespace qv
