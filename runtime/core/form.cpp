#include "runtime/core/form.h"
#include "runtime/core/form_window.h"
#include "runtime/core/placement.h"
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

Status Form::enter(std::string_view operation) const
{
    if (const Status injected = runtime().injectedFault(*this, operation); failed(injected))
        return injected;
    if (runtime().hasEnded())
        return runtime().fail(status::programEnded, QStringLiteral("The program has ended."));
    return status::ok;
}

Status Form::ensureLoaded()
{
    return isLoaded() ? status::ok : load();
}

Status Form::load()
{
    return loadControls(nullptr);
}

Status Form::loadEach(const ControlObserver &observer)
{
    if (const Status s = enter("Load"); failed(s))
        return s;
    if (isLoaded())
        return runtime().fail(status::fail, QStringLiteral("%1 is loaded already.").arg(objectName()));
    return loadControls(&observer);
}

Status Form::loadControls(const ControlObserver *observer)
{
    auto window = std::unique_ptr<FormWindow, WindowDeleter>(new FormWindow(*this));
    window->setObjectName(objectName());
    window->setWindowTitle(storedText(description_.caption));
    window->setFont(toQFont(description_.font.value_or(defaultFont)));
    const TwipsScale scale = runtime().scale();
    window->setFixedSize(scale.toPixelsX(description_.clientWidth),
                         scale.toPixelsY(description_.clientHeight));

    std::vector<ObjRef<Control>> made;
    made.reserve(description_.controls.size());
    Status firstFailure = status::ok;
    for (const ControlRecord &record : description_.controls) {
        QWidget *container = window.get();
        if (!record.container.empty()) {
            const auto it = std::find_if(made.begin(), made.end(),
                                         [&](const auto &c) { return c->record().name == record.container; });
            container = it != made.end() ? (*it)->widget() : nullptr;
            // Going on past failures, a control whose container could not be made is still tried, in
            // the window itself.
            if (!container && observer && containerIsStored(record))
                container = window.get();
            if (!container)
                return runtime().fail(
                    status::fail,
                    QStringLiteral("%1: container %2 of control %3 does not precede it.")
                        .arg(objectName(), storedText(record.container), storedText(record.name)));
        }
        ObjRef<Control> control;
        const Status s = createControl(record, *container, control);
        if (observer)
            (*observer)(record, s, failed(s) ? runtime().takeErrorInfo() : ErrorInfo {});
        if (failed(s)) {
            // A load stops at the first control that cannot be created; what was made goes with it.
            if (!observer)
                return s;
            if (!failed(firstFailure))
                firstFailure = s;
            continue;
        }
        made.push_back(std::move(control));
    }
    if (failed(firstFailure))
        return firstFailure;
    applyTabOrder(made);

    window_ = std::move(window);
    controls_ = std::move(made);
    ++loadCount_;
    runtime().dispatchEvent(*this, "Form", Event::Load);
    // A Load handler that failed has ended the run, and with it unloaded this form.
    if (!isLoaded())
        return runtime().fail(status::programEnded,
                              QStringLiteral("The program ended while %1 loaded.").arg(objectName()));
    return status::ok;
}

Status Form::createControl(const ControlRecord &record, QWidget &container, ObjRef<Control> &out)
{
    const MakeSite site { container, runtime().scale(), *this };
    Outcome<MadeObject> made = runtime().controlMaker().make(record, site);
    if (!made) {
        const Failure &why = made.failure();
        return runtime().fail(why.status, why.info.description, why.info.creation);
    }
    QObject *object = made.value().object;
    object->setObjectName(storedText(record.name));
    // A control without a window (the timer, an invisible library class) has neither a place nor a font.
    if (auto *widget = qobject_cast<QWidget *>(object)) {
        widget->setGeometry(placement(record, container, runtime().scale()));
        if (record.font)
            widget->setFont(toQFont(*record.font));
    }
    out = ObjRef<Control>(makeControlObject(*this, record, object, std::move(made.value().className)));
    return status::ok;
}

bool Form::containerIsStored(const ControlRecord &record) const
{
    const auto &controls = description_.controls;
    const auto self
        = std::find_if(controls.begin(), controls.end(), [&](const auto &c) { return &c == &record; });
    return std::any_of(controls.begin(), self, [&](const auto &c) { return c.name == record.container; });
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
    if (const Status s = enter("Hide"); failed(s))
        return s;
    if (const Status s = ensureLoaded(); failed(s))
        return s;
    window_->hide();
    quitModal();
    return status::ok;
}

Status Form::Show(Variant modal, Variant ownerForm)
{
    if (const Status s = enter("Show"); failed(s))
        return s;
    const bool isModal = modal.isLong() && modal.value() == 1;
    if (!modal.isMissing() && !(modal.isLong() && (modal.value() == 0 || modal.value() == 1)))
        return runtime().fail(status::invalidProcedureCall,
                              QStringLiteral("Show: Modal must be 0, 1 or omitted."));
    if (!ownerForm.isMissing())
        return runtime().fail(status::invalidProcedureCall,
                              QStringLiteral("Show: OwnerForm is not supported."));
    if (const Status s = ensureLoaded(); failed(s))
        return s;
    if (isModal && window_->isVisible())
        return runtime().fail(status::alreadyShownModally);
    if (!isModal) {
        window_->show();
        window_->raise();
        window_->activateWindow();
        return status::ok;
    }
    return runModal();
}

Status Form::runModal()
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
    return status::ok;
}

void Form::quitModal()
{
    if (modalLoop_)
        modalLoop_->quit();
}

Status Form::SetFocus()
{
    if (const Status s = enter("SetFocus"); failed(s))
        return s;
    if (const Status s = ensureLoaded(); failed(s))
        return s;
    if (!window_->isVisible() || !window_->isEnabled())
        return runtime().fail(
            status::invalidProcedureCall,
            QStringLiteral("%1 cannot take the focus: it is not visible.").arg(objectName()));
    window_->raise();
    window_->activateWindow();
    if (!window_->focusWidget())
        window_->setFocus(Qt::OtherFocusReason);
    return status::ok;
}

Status Form::findForAccessor(std::string_view name, ObjRef<Control> &out)
{
    if (const Status s = enter(name); failed(s))
        return s;
    if (const Status s = ensureLoaded(); failed(s))
        return s;
    Control *found = findControl(name);
    if (!found)
        return runtime().fail(
            status::fail, QStringLiteral("%1 has no control named %2.").arg(objectName(), storedText(name)));
    out = ObjRef<Control>(found);
    return status::ok;
}

Status Form::wrongControlClass(std::string_view name) const
{
    return runtime().fail(status::fail,
                          QStringLiteral("%1.%2 is not of the class its accessor returns.")
                              .arg(objectName(), storedText(name)));
}

} // namespace qv
