#pragma once
// What the runtime keeps of a form beyond what a program may ask: its window and controls while it is
// loaded, the load itself, the modal loop, and the events its controls raise.

#include "runtime/core/event_sink.h"
#include "runtime/core/form_load.h"
#include <quorvane/form.h>
#include <quorvane/outcome.h>

#include <QPointer>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class QEventLoop;
class QWidget;

namespace qv
{

class FormMembers;
class FormWindow;

// The outcome of a load, and of each record it tried, in stored order.
struct LoadResult {
    Outcome<> outcome;
    std::vector<RecordOutcome> records;
};

class FormPrivate final : public EventSink
{
public:
    FormPrivate(Form &form, const FormDescription &description);
    ~FormPrivate();

    static FormPrivate &of(Form &form) { return *form.d_; }
    static const FormPrivate &of(const Form &form) { return *form.d_; }

    const FormDescription &description() const { return description_; }
    bool isLoaded() const { return window_ != nullptr; }
    int loadCount() const { return loadCount_; }
    QWidget *window() const;
    // Looks a control up without taking a reference or loading the form; null when absent.
    Control *findControl(std::string_view name) const;
    std::span<const ObjRef<Control>> controls() const { return controls_; }

    // Loads the form as Show would, under the policy. The form is loaded only when every control was made;
    // otherwise nothing is left behind and the outcome is the first failure's.
    LoadResult load(CreationPolicy policy, const CreationObserver *observer = nullptr);
    // Unloads the form: its controls are released and its window goes away. No event is raised.
    void unload();
    // The window's close box was pressed.
    void closeBoxPressed();
    // A control of this form raised an event: the runtime runs its handler.
    void raise(std::string_view control, Event event) override;

    void bind(std::string_view control, std::string_view event, EventHandler handler);
    // The handler bound by name to an event of the window itself, or none.
    Handler boundToForm(std::string_view event) const;
    // How an unload was asked for, as QueryUnload tells its handler.
    enum class UnloadMode : std::int16_t { CloseBox = 0, ProgramCode = 1 };
    // Asks the form's QueryUnload and Unload handlers, in that order; false when one set Cancel.
    bool mayUnload(UnloadMode mode);

    // An operation's common checks: the run not ended (and, in the tests' runtime, no fault injected).
    Outcome<> enter(std::string_view operation) const;
    Outcome<> hide();
    Outcome<> show(Variant modal, Variant ownerForm);
    Outcome<> setFocus();
    Outcome<Control *> findForAccessor(std::string_view name);
    // The window's members, loading the form if needed.
    Outcome<FormMembers *> loadedMembers(std::string_view operation);

private:
    struct WindowDeleter {
        void operator()(FormWindow *window) const;
    };
    using Window = std::unique_ptr<FormWindow, WindowDeleter>;

    Outcome<> ensureLoaded();
    LoadResult loadFromDescription(CreationPolicy policy, const CreationObserver *observer = nullptr);
    Window makeWindow();
    void commit(Window window, std::vector<ObjRef<Control>> controls);
    // Every handler bound by name, to the controls just made: their events' relays, or the failure naming
    // the first control or event that does not exist.
    Outcome<> connectBindings(const std::vector<ObjRef<Control>> &made);
    void runModal();
    void quitModal();

    Form &form_;
    const FormDescription &description_;
    Window window_;
    std::vector<ObjRef<Control>> controls_;
    QEventLoop *modalLoop_ = nullptr;
    // The window's members, made with it and gone with it.
    QPointer<FormMembers> members_;
    struct Binding {
        std::string control;
        std::string event;
        EventHandler handler;
    };
    std::vector<Binding> bindings_;
    int loadCount_ = 0;
};

// Short names for the runtime's own parts and its tests.
inline QWidget *windowOf(const Form &form)
{
    return FormPrivate::of(form).window();
}
inline bool isLoaded(const Form &form)
{
    return FormPrivate::of(form).isLoaded();
}
inline Control *findControl(const Form &form, std::string_view name)
{
    return FormPrivate::of(form).findControl(name);
}
inline std::span<const ObjRef<Control>> controlsOf(const Form &form)
{
    return FormPrivate::of(form).controls();
}
inline int loadCountOf(const Form &form)
{
    return FormPrivate::of(form).loadCount();
}
inline LoadResult loadForm(Form &form, CreationPolicy policy)
{
    return FormPrivate::of(form).load(policy);
}
inline void unloadForm(Form &form)
{
    FormPrivate::of(form).unload();
}

} // namespace qv
