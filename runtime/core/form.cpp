#include "runtime/core/control_private.h"
#include "runtime/core/event_relay.h"
#include "runtime/core/fonts.h"
#include "runtime/core/form_members.h"
#include "runtime/core/form_private.h"
#include "runtime/core/form_window.h"
#include "runtime/core/late_binding.h"
#include "runtime/core/object_private.h"
#include "runtime/core/runtime.h"
#include "runtime/core/tab_order.h"
#ifdef QUORVANE_TEST_SEAMS
#include "runtime/core/test_seams.h"
#endif
#include <quorvane/form_description.h>

#include <QEventLoop>
#include <QScopeGuard>
#include <algorithm>
#include <array>

namespace qv
{

Form::Form(Runtime &runtime, const FormDescription &description)
    : ComObject(runtime, storedText(description.name))
    , d_(std::make_unique<FormPrivate>(*this, description))
{
}

Form::~Form()
{
    d_->unload();
}

QString Form::interfaceName() const
{
    return QLatin1Char('_') + objectName();
}

const FormDescription &Form::description() const
{
    return d_->description();
}

Handler Form::handlerFor(std::string_view control, Event event)
{
    // The window's Load runs through here, so that a program's own handlerFor may take it; every other event
    // bound by name is relayed from the window's or the control's members.
    if (control != "Form" || event != Event::Load)
        return {};
    return d_->boundToForm("Load");
}

void Form::bind(std::string_view control, std::string_view event, EventHandler handler)
{
    d_->bind(control, event, std::move(handler));
}

void FormPrivate::bind(std::string_view control, std::string_view event, EventHandler handler)
{
    bindings_.push_back({ std::string(control), std::string(event), std::move(handler) });
}

namespace
{
bool sameName(std::string_view a, std::string_view b)
{
    return storedText(a).compare(storedText(b), Qt::CaseInsensitive) == 0;
}
} // namespace

Handler FormPrivate::boundToForm(std::string_view event) const
{
    for (const Binding &b : bindings_) {
        if (sameName(b.control, "Form") && sameName(b.event, event))
            return [handler = b.handler] {
                std::array<Variant, 0> none;
                return handler(none);
            };
    }
    return {};
}

bool FormPrivate::mayUnload(UnloadMode mode)
{
    if (!members_)
        return true;
    // A handler that sets Cancel to anything but 0 keeps the form; one that ended the run leaves nothing to
    // unload here.
    const auto kept = [&](std::int16_t cancel) { return cancel != 0 || form_.runtime().hasEnded(); };
    std::int16_t cancel = 0;
    emit members_->QueryUnload(cancel, static_cast<std::int16_t>(mode));
    if (kept(cancel) || !members_)
        return false;
    emit members_->Unload(cancel);
    return !kept(cancel);
}

Outcome<> FormPrivate::connectBindings(const std::vector<ObjRef<Control>> &made)
{
    const QString form = form_.objectName();
    for (const Binding &b : bindings_) {
        if (sameName(b.control, "Form")) {
            const QMetaMethod signal = EventRelay::eventNamed(FormMembers::staticMetaObject, b.event);
            if (!signal.isValid())
                return failure(status::fail,
                               QStringLiteral("%1: a handler is bound to %1_%2, but a form raises no "
                                              "event %2.")
                                   .arg(form, storedText(b.event)));
            // Load runs through handlerFor, before the window's members are reached; Terminate once they
            // are gone.
            if (members_ && !sameName(b.event, "Load") && !sameName(b.event, "Terminate"))
                new EventRelay(*members_, signal, [this, handler = b.handler](std::span<Variant> arguments) {
                    form_.runtime().runHandler(form_, "Form", [&] { return handler(arguments); });
                });
            continue;
        }
        const auto control = std::find_if(made.begin(), made.end(), [&](const ObjRef<Control> &c) {
            return sameName(recordOf(*c).name, b.control);
        });
        if (control == made.end())
            return failure(status::fail,
                           QStringLiteral("%1: a handler is bound to %2_%3, but the form has no control "
                                          "%2.")
                               .arg(form, storedText(b.control), storedText(b.event)));
        ControlPrivate &d = ControlPrivate::of(**control);
        const auto [members, signal] = EventRelay::eventOf(d.members(), b.event);
        if (!members)
            return failure(status::fail,
                           QStringLiteral("%1: a handler is bound to %2_%3, but %2 (%4) raises no "
                                          "event %3.")
                               .arg(form, (*control)->objectName(), storedText(b.event), d.className()));
        new EventRelay(
            *members, signal,
            [this, name = b.control, handler = b.handler](std::span<Variant> arguments) {
                form_.runtime().runHandler(form_, name, [&] { return handler(arguments); });
            },
            std::make_shared<ReachedObjects>(
                form_.runtime(),
                QStringLiteral("%1.%2 (%3)").arg(form, (*control)->objectName(), d.className())));
    }
    return {};
}

Status Form::Hide()
{
    return runtime().statusOf(d_->hide());
}

Status Form::Show(Variant modal, Variant ownerForm)
{
    return runtime().statusOf(d_->show(modal, ownerForm));
}

Status Form::SetFocus()
{
    return runtime().statusOf(d_->setFocus());
}

Status Form::Unload()
{
    if (Outcome<> entered = d_->enter("Unload"); !entered)
        return runtime().statusOf(entered);
    if (d_->isLoaded() && d_->mayUnload(FormPrivate::UnloadMode::ProgramCode)) {
        d_->unload();
        runtime().windowWent();
    }
    return runtime().statusOf({});
}

Status Form::Controls(std::string_view name, ObjRef<Control> &out)
{
    Control *found = nullptr;
    if (const Status s = accessControl(name, found); failed(s))
        return s;
    out = ObjRef<Control>(found);
    return status::ok;
}

Status Form::ControlCount(std::int32_t &out)
{
    if (Outcome<FormMembers *> loaded = d_->loadedMembers("Controls"); !loaded)
        return runtime().statusOf(loaded.failure());
    out = static_cast<std::int32_t>(d_->controls().size());
    return runtime().statusOf({});
}

Status Form::Controls(std::int32_t index, ObjRef<Control> &out)
{
    if (Outcome<FormMembers *> loaded = d_->loadedMembers("Controls"); !loaded)
        return runtime().statusOf(loaded.failure());
    const auto controls = d_->controls();
    if (index < 0 || static_cast<std::size_t>(index) >= controls.size())
        return runtime().statusOf(failure(status::subscriptOutOfRange,
                                          QStringLiteral("%1.Controls(%2): the form has %3 controls, "
                                                         "numbered from 0.")
                                              .arg(objectName())
                                              .arg(index)
                                              .arg(controls.size())));
    out = controls[static_cast<std::size_t>(index)];
    return status::ok;
}

namespace
{
// A member call's failure, told whose: "Form1 (Form): WindowState = 7: not one of its values".
Status formMemberFailed(Form &form, Failure why)
{
    why.info.description = QStringLiteral("%1 (Form): %2").arg(form.objectName(), why.explanation());
    return form.runtime().statusOf(why);
}
} // namespace

Outcome<FormMembers *> FormPrivate::loadedMembers(std::string_view operation)
{
    if (Outcome<> entered = enter(operation); !entered)
        return entered.failure();
    if (Outcome<> loaded = ensureLoaded(); !loaded)
        return loaded.failure();
    return members_.data();
}

Status Form::get(std::string_view property, Variant &out)
{
    Outcome<FormMembers *> members = d_->loadedMembers(property);
    if (!members)
        return runtime().statusOf(members.failure());
    Outcome<Variant> read = getProperty(*members.value(), property);
    if (!read)
        return formMemberFailed(*this, std::move(read).failure());
    out = std::move(read).value();
    return runtime().statusOf({});
}

Status Form::put(std::string_view property, const Variant &value)
{
    Outcome<FormMembers *> members = d_->loadedMembers(property);
    if (!members)
        return runtime().statusOf(members.failure());
    if (Outcome<> written = putProperty(*members.value(), property, value); !written)
        return formMemberFailed(*this, std::move(written).failure());
    return runtime().statusOf({});
}

Status Form::call(std::string_view method, std::span<const Variant> arguments, Variant &result)
{
    Outcome<FormMembers *> members = d_->loadedMembers(method);
    if (!members)
        return runtime().statusOf(members.failure());
    Outcome<Variant> called = callMethod(*members.value(), method, arguments);
    if (!called)
        return formMemberFailed(*this, std::move(called).failure());
    result = std::move(called).value();
    return runtime().statusOf({});
}

Status Form::call(std::string_view method, std::initializer_list<Variant> arguments)
{
    Variant ignored;
    return call(method, std::span<const Variant>(arguments.begin(), arguments.size()), ignored);
}

std::vector<MemberInfo> Form::members()
{
    return describeMembers(FormMembers::staticMetaObject);
}

Status Form::accessControl(std::string_view name, Control *&out)
{
    Outcome<Control *> found = d_->findForAccessor(name);
    if (found)
        out = found.value();
    return runtime().statusOf(found ? Outcome<> {} : Outcome<> { found.failure() });
}

Status Form::wrongControlClass(std::string_view name)
{
    return runtime().statusOf(failure(status::fail,
                                      QStringLiteral("%1.%2 is not of the class its accessor returns.")
                                          .arg(objectName(), storedText(name))));
}

FormPrivate::FormPrivate(Form &form, const FormDescription &description)
    : form_(form)
    , description_(description)
{
}

FormPrivate::~FormPrivate() = default;

QWidget *FormPrivate::window() const
{
    return window_.get();
}

void FormPrivate::WindowDeleter::operator()(FormWindow *window) const
{
    // The window may be in the middle of one of its own events (the close box): delete it afterwards.
    window->hide();
    window->deleteLater();
}

Control *FormPrivate::findControl(std::string_view name) const
{
    for (const auto &control : controls_) {
        if (recordOf(*control).name == name)
            return control.get();
    }
    return nullptr;
}

void FormPrivate::raise(std::string_view control, Event event)
{
    form_.runtime().dispatchEvent(form_, control, event);
}

Outcome<> FormPrivate::enter([[maybe_unused]] std::string_view operation) const
{
#ifdef QUORVANE_TEST_SEAMS
    if (std::optional<Failure> injected = probeOf(form_.runtime()).injectedFault(form_, operation))
        return *injected;
#endif
    if (form_.runtime().hasEnded())
        return failure(status::programEnded, QStringLiteral("The program has ended."));
    return {};
}

Outcome<> FormPrivate::ensureLoaded()
{
    if (isLoaded())
        return {};
    return loadFromDescription(CreationPolicy::StopAtFirstFailure).outcome;
}

LoadResult FormPrivate::load(CreationPolicy policy, const CreationObserver *observer)
{
    if (Outcome<> entered = enter("Load"); !entered)
        return { entered, {} };
    if (isLoaded())
        return { failure(status::fail, QStringLiteral("%1 is loaded already.").arg(form_.objectName())), {} };
    return loadFromDescription(policy, observer);
}

LoadResult FormPrivate::loadFromDescription(CreationPolicy policy, const CreationObserver *observer)
{
    if (Outcome<> sound = checkDescription(description_); !sound)
        return { sound, {} };
    Window window = makeWindow();
    CreatedControls created = createControls(form_, *window, policy, observer);
    // A load stops at the first control that cannot be created; what was made goes with it.
    if (created.firstFailure)
        return { *created.firstFailure, std::move(created.records) };
    if (Outcome<> connected = connectBindings(created.made); !connected)
        return { connected, std::move(created.records) };
    commit(std::move(window), std::move(created.made));
    // A Load handler that failed has ended the run, and with it unloaded this form; one may also unload its
    // own form, which leaves nothing to show.
    if (!isLoaded() && form_.runtime().hasEnded())
        return { failure(status::programEnded,
                         QStringLiteral("The program ended while %1 loaded.").arg(form_.objectName())),
                 std::move(created.records) };
    if (!isLoaded())
        return { failure(status::objectUnloaded,
                         QStringLiteral("%1 was unloaded by its own Load handler.").arg(form_.objectName())),
                 std::move(created.records) };
    return { {}, std::move(created.records) };
}

FormPrivate::Window FormPrivate::makeWindow()
{
    Window window(new FormWindow(form_));
    window->setObjectName(form_.objectName());
    window->setWindowTitle(storedText(description_.caption));
    window->setFont(toQFont(description_.font.value_or(defaultFont)));
    const TwipsScale scale = form_.runtime().scale();
    scale.markOn(*window);
    window->setFixedSize(scale.toPixelsX(description_.clientWidth),
                         scale.toPixelsY(description_.clientHeight));
    members_ = new FormMembers(*window, *this);
    return window;
}

void FormPrivate::commit(Window window, std::vector<ObjRef<Control>> controls)
{
    applyTabOrder(controls);
    window_ = std::move(window);
    controls_ = std::move(controls);
    ++loadCount_;
    form_.runtime().dispatchEvent(form_, "Form", Event::Load);
}

void FormPrivate::unload()
{
    // No event of the form or its controls runs once it unloads: hiding the window would otherwise raise
    // the window's Deactivate and the focused control's LostFocus into handlers whose form is going.
    if (window_) {
        for (MemberObject *members : window_->findChildren<MemberObject *>())
            members->blockSignals(true);
    }
    quitModal();
    controls_.clear();
    window_.reset();
}

void FormPrivate::closeBoxPressed()
{
    if (mayUnload(UnloadMode::CloseBox))
        form_.runtime().closeBoxPressed(form_);
}

Outcome<> FormPrivate::hide()
{
    if (Outcome<> entered = enter("Hide"); !entered)
        return entered;
    if (Outcome<> loaded = ensureLoaded(); !loaded)
        return loaded;
    window_->hide();
    quitModal();
    return {};
}

Outcome<> FormPrivate::show(Variant modal, Variant ownerForm)
{
    if (Outcome<> entered = enter("Show"); !entered)
        return entered;
    const bool isModal = modal.isLong() && modal.value() == 1;
    if (!modal.isMissing() && !(modal.isLong() && (modal.value() == 0 || modal.value() == 1)))
        return failure(status::invalidProcedureCall, QStringLiteral("Show: Modal must be 0, 1 or omitted."));
    if (!ownerForm.isMissing())
        return failure(status::invalidProcedureCall, QStringLiteral("Show: OwnerForm is not supported."));
    if (Outcome<> loaded = ensureLoaded(); !loaded)
        return loaded;
    if (isModal && window_->isVisible())
        return failure(status::alreadyShownModally);
    if (!isModal) {
        window_->show();
        window_->raise();
        window_->activateWindow();
        return {};
    }
    runModal();
    return {};
}

void FormPrivate::runModal()
{
    QEventLoop loop;
    modalLoop_ = &loop;
    const auto restore = qScopeGuard([this] { modalLoop_ = nullptr; });
    QObject::connect(window_.get(), &FormWindow::hiddenByProgram, &loop, &QEventLoop::quit);

    // Every other window is disabled while this one is shown modally.
    window_->setWindowModality(Qt::ApplicationModal);
    window_->show();
    window_->raise();
    window_->activateWindow();
    if (window_->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (window_)
        window_->setWindowModality(Qt::NonModal);
}

void FormPrivate::quitModal()
{
    if (modalLoop_)
        modalLoop_->quit();
}

Outcome<> FormPrivate::setFocus()
{
    if (Outcome<> entered = enter("SetFocus"); !entered)
        return entered;
    if (Outcome<> loaded = ensureLoaded(); !loaded)
        return loaded;
    if (!window_->isVisible() || !window_->isEnabled())
        return failure(
            status::invalidProcedureCall,
            QStringLiteral("%1 cannot take the focus: it is not visible.").arg(form_.objectName()));
    window_->raise();
    window_->activateWindow();
    if (!window_->focusWidget())
        window_->setFocus(Qt::OtherFocusReason);
    return {};
}

Outcome<Control *> FormPrivate::findForAccessor(std::string_view name)
{
    if (Outcome<> entered = enter(name); !entered)
        return entered.failure();
    if (Outcome<> loaded = ensureLoaded(); !loaded)
        return loaded.failure();
    Control *found = findControl(name);
    if (!found)
        return failure(
            status::fail,
            QStringLiteral("%1 has no control named %2.").arg(form_.objectName(), storedText(name)));
    return found;
}

} // namespace qv
