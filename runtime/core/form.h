#pragma once
// Form objects. A form object lives as long as references to it do; its window and controls exist only
// while it is loaded. Any use of an unloaded form loads it again from its stored description.

#include "runtime/core/com_object.h"
#include "runtime/core/control.h"
#include "runtime/core/event_sink.h"
#include "runtime/core/form_description.h"
#include "runtime/core/form_load.h"
#include "runtime/core/outcome.h"
#include "runtime/core/status.h"
#include "runtime/core/variant.h"

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

// The outcome of a load, and of each record it tried, in stored order.
struct LoadResult {
    Outcome<> outcome;
    std::vector<RecordOutcome> records;
};

class Form : public ComObject, public EventSink
{
public:
    Form(Runtime &runtime, const FormDescription &description);
    ~Form() override;

    QString interfaceName() const override;
    const FormDescription &description() const { return description_; }

    // The operations a program calls. Each returns its status; a failure leaves its explanation in the
    // runtime's error object.
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

    // Loads the form as Show would, under the policy. The form is loaded only when every control was made;
    // otherwise nothing is left behind and the outcome is the first failure's.
    LoadResult load(CreationPolicy policy);

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
        Outcome<Control *> found = findForAccessor(name);
        if (!found)
            return report(found.failure());
        auto *typed = dynamic_cast<T *>(found.value());
        if (!typed)
            return report(wrongControlClass(name));
        out = ObjRef<T>(typed);
        return report({});
    }

private:
    struct WindowDeleter {
        void operator()(FormWindow *window) const;
    };
    using Window = std::unique_ptr<FormWindow, WindowDeleter>;

    Status report(const Outcome<> &outcome);
    Outcome<> enter(std::string_view operation) const;
    Outcome<> ensureLoaded();
    LoadResult loadFromDescription(CreationPolicy policy);
    Window makeWindow();
    void commit(Window window, std::vector<ObjRef<Control>> controls);
    Outcome<> hide();
    Outcome<> show(Variant modal, Variant ownerForm);
    Outcome<> setFocus();
    void runModal();
    void quitModal();
    Outcome<Control *> findForAccessor(std::string_view name);
    Failure wrongControlClass(std::string_view name) const;

    const FormDescription &description_;
    Window window_;
    std::vector<ObjRef<Control>> controls_;
    QEventLoop *modalLoop_ = nullptr;
    int loadCount_ = 0;
};

} // namespace qv
