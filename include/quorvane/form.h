#pragma once
// Form objects: the windows of a program. A program derives one class per window from Form, hands it its
// stored description, binds its handlers by control and event, and reaches its controls through accessors.
// A form object lives as long as references to it do; its window and controls exist only while it is loaded,
// and any use of an unloaded form loads it again from its stored description.

#include <quorvane/com_object.h>
#include <quorvane/control.h>
#include <quorvane/export.h>
#include <quorvane/form_description.h>
#include <quorvane/members.h>
#include <quorvane/status.h>
#include <quorvane/typed_control.h>
#include <quorvane/variant.h>

#include <concepts>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace qv
{

class FormPrivate;

enum class Event { Load, Click };

// An event handler: runs with its form and returns 0 or the status of the run-time error that ended it.
using Handler = std::function<Status()>;
// An event handler bound by name: it gets the event's arguments, and may change those the event passes by
// reference (KeyAscii, Cancel), which the control reads back once it returns.
using EventHandler = std::function<Status(std::span<Variant> arguments)>;

class QUORVANE_EXPORT Form : public ComObject
{
public:
    Form(Runtime &runtime, const FormDescription &description);
    ~Form() override;

    QString interfaceName() const override;
    const FormDescription &description() const;

    // The operations a program calls. Each returns its status; a failure leaves its explanation in the
    // runtime's error object, which the run-time error raised from the status reads.
    Status Hide();
    // Modal = 1 shows the form modally and returns once it is hidden or unloaded; omitted or 0 shows it
    // without waiting. OwnerForm must be omitted. A form whose own Load handler unloads it is not shown:
    // status::objectUnloaded.
    Status Show(Variant modal = Variant::missing(), Variant ownerForm = Variant::missing());
    Status SetFocus();
    // Unloads the form as a program asks it: its QueryUnload and then its Unload handlers run (UnloadMode 1,
    // the program's own code), and either can keep the form by setting Cancel; then its window and controls
    // go. Once no window of the program is left visible and the handler that unloaded it has returned, the
    // run ends as when the main window closes: each form's Terminate handler runs, and the process ends with
    // status 0.
    Status Unload();
    // A control reached by its name from outside the form's own code; loads the form if needed.
    Status Controls(std::string_view name, ObjRef<Control> &out);
    // The form's controls as a collection: how many, and each by its index from 0, in the order they were
    // made. Both load the form if needed.
    Status ControlCount(std::int32_t &out);
    Status Controls(std::int32_t index, ObjRef<Control> &out);

    // The window's own members by name, late bound, as a control's are (Caption, Left, Top, Width, Height,
    // ScaleWidth, ScaleHeight, WindowState, Visible, Enabled, Tag; Move, Show, Hide, Refresh); each loads the
    // form if needed. A failure leaves in the error object which form, member and value, and why.
    Status get(std::string_view property, Variant &out);
    Status put(std::string_view property, const Variant &value);
    Status call(std::string_view method, std::span<const Variant> arguments, Variant &result);
    Status call(std::string_view method, std::initializer_list<Variant> arguments = {});
    // Every property, method and event of a form, as the late-bound calls and bind() accept them.
    static std::vector<MemberInfo> members();

    // The handler bound to a control's event ("Form" for the window's own events), or none. By default, the
    // one bound by name.
    virtual Handler handlerFor(std::string_view control, Event event);

    // Binds a handler to an event by the names of the control ("Form" for the window's own events) and of the
    // event, as the class's type information names them. A load fails, naming both, when the form has no such
    // control or its class raises no such event.
    void bind(std::string_view control, std::string_view event, EventHandler handler);

protected:
    // The accessor of a named control: loads the form if needed and takes a reference to the control, which
    // must be a T.
    template<class T> Status control(std::string_view name, ObjRef<T> &out)
    {
        Control *found = nullptr;
        if (const Status s = accessControl(name, found); failed(s))
            return s;
        auto *typed = dynamic_cast<T *>(found);
        if (!typed)
            return wrongControlClass(name);
        out = ObjRef<T>(typed);
        return status::ok;
    }
    // The same for a typed class of <quorvane/controls.h>: a view of the named control, which must be of
    // the view's class.
    template<std::derived_from<TypedControl> View> Status control(std::string_view name, View &out)
    {
        Control *found = nullptr;
        if (const Status s = accessControl(name, found); failed(s))
            return s;
        if (failed(viewAs(ObjRef<Control>(found), out)))
            return wrongControlClass(name);
        return status::ok;
    }

private:
    Status accessControl(std::string_view name, Control *&out);
    Status wrongControlClass(std::string_view name);

    friend class FormPrivate;
    std::unique_ptr<FormPrivate> d_;
};

} // namespace qv
