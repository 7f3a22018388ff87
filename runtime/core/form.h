#pragma once
// Form objects. A form object lives as long as references to it do; its window and controls exist only
// while it is loaded. Any use of an unloaded form loads it again from its stored description.

#include "runtime/core/com_object.h"
#include "runtime/core/control.h"
#include "runtime/core/event_sink.h"
#include "runtime/core/failure.h"
#include "runtime/core/form_description.h"
#include "runtime/core/status.h"
#include "runtime/core/variant.h"

#include <QPointer>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

class QEventLoop;

namespace qv
{

class FormWindow;

// An event handler: runs with its form and returns 0 or the status of the run-time error that ended it.
using Handler = std::function<Status()>;

// Told the outcome of each control record as a load goes through them: its status and, on failure, why.
using ControlObserver = std::function<void(const ControlRecord &record, Status status, const ErrorInfo &why)>;

class Form : public ComObject, public EventSink
{
public:
    Form(Runtime &runtime, const FormDescription &description);
    ~Form() override;

    QString interfaceName() const override;
    const FormDescription &description() const { return description_; }

    Status Hide();
    // Modal = 1 shows the form modally and returns once it is hidden or unloaded; omitted or 0 shows it
    // without waiting. OwnerForm must be omitted.
    Status Show(Variant modal = Variant::missing(), Variant ownerForm = Variant::missing());
    Status SetFocus();

    bool isLoaded() const { return window_ != nullptr; }
    int loadCount() const { return loadCount_; }
    QWidget *window() const;
    // Looks a control up without taking a reference or loading the form; null when absent.
    Control *findControl(std::string_view name) const;
    std::span<const ObjRef<Control>> controls() const { return controls_; }

    // Loads the form as Show would, but goes on past a control that cannot be created and tells the observer
    // the outcome of every record. The form is loaded only when every control was made; otherwise nothing
    // is left behind and the status is the first failure's.
    Status loadEach(const ControlObserver &observer);

    // Unloads the form: its controls are released and its window goes away. No event is raised.
    void unload();
    // The window's close box was pressed.
    void closeBoxPressed();
    // The handler bound to a control's event ("Form" for the window's own events), or none.
    virtual Handler handlerFor(std::string_view control, Event event);
    // A control of this form raised an event: the runtime runs its handler.
    void raise(std::string_view control, Event event) override;

protected:
    // The accessor of a named control: loads the form if needed and takes a reference to the control.
    template<class T> Status control(std::string_view name, ObjRef<T> &out)
    {
        ObjRef<Control> found;
        if (const Status s = findForAccessor(name, found); failed(s))
            return s;
        auto *typed = dynamic_cast<T *>(found.get());
        if (!typed)
            return wrongControlClass(name);
        out = ObjRef<T>(typed);
        return status::ok;
    }

private:
    struct WindowDeleter {
        void operator()(FormWindow *window) const;
    };

    Status enter(std::string_view operation) const;
    Status ensureLoaded();
    Status load();
    Status loadControls(const ControlObserver *observer);
    Status createControl(const ControlRecord &record, QWidget &container, ObjRef<Control> &out);
    bool containerIsStored(const ControlRecord &record) const;
    Status runModal();
    void quitModal();
    Status findForAccessor(std::string_view name, ObjRef<Control> &out);
    Status wrongControlClass(std::string_view name) const;

    const FormDescription &description_;
    std::unique_ptr<FormWindow, WindowDeleter> window_;
    std::vector<ObjRef<Control>> controls_;
    QEventLoop *modalLoop_ = nullptr;
    int loadCount_ = 0;
};

} // namespace qv
