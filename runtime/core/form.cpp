#include "runtime/core/form.h"
#include "runtime/core/form_window.h"
#include "runtime/core/runtime.h"
#include "runtime/core/stored_text.h"
#include "runtime/core/tab_order.h"

#include <QEventLoop>
#include <QScopeGuard>

namespace qv
{

Form::Form(Runtime &runtime, const FormDescription &description)
    : ComObject(runtime, storedText(description.name))
    , description_(description)
{
}

Form::~Form()
{
    unload();
}

QString Form::interfaceName() const
{
    return QLatin1Char('_') + objectName();
}

QWidget *Form::window() const
{
    return window_.get();
}

void Form::WindowDeleter::operator()(FormWindow *window) const
{
    // The window may be in the middle of one of its own events (the close box): delete it afterwards.
    window->hide();
    window->deleteLater();
}

Control *Form::findControl(std::string_view name) const
{
    for (const auto &control : controls_) {
        if (control->record().name == name)
            return control.get();
    }
    return nullptr;
}

Handler Form::handlerFor(std::string_view, Event)
{
    return {};
}

void Form::raise(std::string_view control, Event event)
{
    runtime().dispatchEvent(*this, control, event);
}

Status Form::report(const Outcome<> &outcome)
{
    return runtime().statusOf(outcome);
}

Outcome<> Form::enter(std::string_view operation) const
{
    if (std::optional<Failure> injected = runtime().probe().injectedFault(*this, operation))
        return *injected;
    if (runtime().hasEnded())
        return failure(status::programEnded, QStringLiteral("The program has ended."));
    return {};
}

Outcome<> Form::ensureLoaded()
{
    if (isLoaded())
        return {};
    return loadFromDescription(CreationPolicy::StopAtFirstFailure).outcome;
}

LoadResult Form::load(CreationPolicy policy)
{
    if (Outcome<> entered = enter("Load"); !entered)
        return { entered, {} };
    if (isLoaded())
        return { failure(status::fail, QStringLiteral("%1 is loaded already.").arg(objectName())), {} };
    return loadFromDescription(policy);
}

LoadResult Form::loadFromDescription(CreationPolicy policy)
{
    if (Outcome<> sound = checkDescription(description_); !sound)
        return { sound, {} };
    Window window = makeWindow();
    CreatedControls created = createControls(*this, *window, policy);
    // A load stops at the first control that cannot be created; what was made goes with it.
    if (created.firstFailure)
        return { *created.firstFailure, std::move(created.records) };
    commit(std::move(window), std::move(created.made));
    // A Load handler that failed has ended the run, and with it unloaded this form.
    if (!isLoaded())
        return { failure(status::programEnded,
                         QStringLiteral("The program ended while %1 loaded.").arg(objectName())),
                 std::move(created.records) };
    return { {}, std::move(created.records) };
}

Form::Window Form::makeWindow()
{
    Window window(new FormWindow(*this));
    window->setObjectName(objectName());
    window->setWindowTitle(storedText(description_.caption));
    window->setFont(toQFont(description_.font.value_or(defaultFont)));
    const TwipsScale scale = runtime().scale();
    window->setFixedSize(scale.toPixelsX(description_.clientWidth),
                         scale.toPixelsY(description_.clientHeight));
    return window;
}

void Form::commit(Window window, std::vector<ObjRef<Control>> controls)
{
    applyTabOrder(controls);
    window_ = std::move(window);
    controls_ = std::move(controls);
    ++loadCount_;
    runtime().dispatchEvent(*this, "Form", Event::Load);
}

void Form::unload()
{
    quitModal();
    controls_.clear();
    window_.reset();
}

void Form::closeBoxPressed()
{
    runtime().closeBoxPressed(*this);
}

Status Form::Hide()
{
    return report(hide());
}

Outcome<> Form::hide()
{
    if (Outcome<> entered = enter("Hide"); !entered)
        return entered;
    if (Outcome<> loaded = ensureLoaded(); !loaded)
        return loaded;
    window_->hide();
    quitModal();
    return {};
}

Status Form::Show(Variant modal, Variant ownerForm)
{
    return report(show(modal, ownerForm));
}

Outcome<> Form::show(Variant modal, Variant ownerForm)
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

void Form::runModal()
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

void Form::quitModal()
{
    if (modalLoop_)
        modalLoop_->quit();
}

Status Form::SetFocus()
{
    return report(setFocus());
}

Outcome<> Form::setFocus()
{
    if (Outcome<> entered = enter("SetFocus"); !entered)
        return entered;
    if (Outcome<> loaded = ensureLoaded(); !loaded)
        return loaded;
    if (!window_->isVisible() || !window_->isEnabled())
        return failure(status::invalidProcedureCall,
                       QStringLiteral("%1 cannot take the focus: it is not visible.").arg(objectName()));
    window_->raise();
    window_->activateWindow();
    if (!window_->focusWidget())
        window_->setFocus(Qt::OtherFocusReason);
    return {};
}

Outcome<Control *> Form::findForAccessor(std::string_view name)
{
    if (Outcome<> entered = enter(name); !entered)
        return entered.failure();
    if (Outcome<> loaded = ensureLoaded(); !loaded)
        return loaded.failure();
    Control *found = findControl(name);
    if (!found)
        return failure(status::fail,
                       QStringLiteral("%1 has no control named %2.").arg(objectName(), storedText(name)));
    return found;
}

Failure Form::wrongControlClass(std::string_view name) const
{
    return failure(status::fail,
                   QStringLiteral("%1.%2 is not of the class its accessor returns.")
                       .arg(objectName(), storedText(name)));
}

} // namespace qv
