#pragma once
// Control objects: the counted object a form hands out for each of its controls, through the form's accessor
// of that control. A control object outlives neither its purpose nor its window's: an operation on a control
// whose window was unloaded fails with a status instead of touching what is gone.

#include <quorvane/bstr.h>
#include <quorvane/com_object.h>
#include <quorvane/export.h>
#include <quorvane/members.h>
#include <quorvane/status.h>
#include <quorvane/variant.h>

#include <QString>
#include <QStringView>
#include <initializer_list>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace qv
{

class ControlPrivate;

class QUORVANE_EXPORT Control : public ComObject
{
public:
    ~Control() override;

    QString interfaceName() const override;
    // The control's class as reports name it: "CommandButton", "MSComctlLib.Toolbar".
    QString className() const;

    // The operations a program calls return their status; a failure leaves its explanation in the runtime's
    // error object, which the run-time error raised from the status reads.
    Status SetFocus();

    // Members by name, late bound: a property read or written, a method called, with Variant values converted
    // as the forms runtime converts them. Names match without regard to case. A failure (a member the class
    // lacks, a wrong type, a value out of range, a read-only property written, wrong arguments) returns its
    // run-time error's status and leaves in the error object which form, control, class, member and value.
    Status get(std::string_view property, Variant &out);
    Status put(std::string_view property, const Variant &value);
    Status call(std::string_view method, std::span<const Variant> arguments, Variant &result);
    Status call(std::string_view method, std::initializer_list<Variant> arguments = {});
    // Every property, method and event of its class, as the late-bound calls accept them; none once its
    // window is unloaded.
    std::vector<MemberInfo> members() const;

    // Made by the runtime, as a form's controls are made.
    explicit Control(std::unique_ptr<ControlPrivate> d);

private:
    friend class ControlPrivate;
    std::unique_ptr<ControlPrivate> d_;
};

class QUORVANE_EXPORT TextBox final : public Control
{
public:
    explicit TextBox(std::unique_ptr<ControlPrivate> d);
    ~TextBox() override;
    // Reads the text into a new string that the caller owns.
    Status Text(BStr &out);
    // Writes a copy of the text.
    Status Text(QStringView value);
};

class QUORVANE_EXPORT CommandButton final : public Control
{
public:
    explicit CommandButton(std::unique_ptr<ControlPrivate> d);
    ~CommandButton() override;
};

} // namespace qv
