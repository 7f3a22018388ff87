#include "runtime/core/form_load.h"
#include "runtime/core/accessibility.h"
#include "runtime/core/control_private.h"
#include "runtime/core/fonts.h"
#include "runtime/core/form_private.h"
#include "runtime/core/module_code_watch.h"
#include "runtime/core/placement.h"
#include "runtime/core/runtime.h"
#include <quorvane/form_description.h>

#include <QWidget>
#include <algorithm>
#include <set>

namespace qv
{

namespace
{
QWidget *containerOf(const ControlRecord &record, const std::vector<ObjRef<Control>> &made, QWidget &window)
{
    if (record.container.empty())
        return &window;
    const auto it = std::find_if(made.begin(), made.end(),
                                 [&](const auto &c) { return recordOf(*c).name == record.container; });
    return it != made.end() ? widgetOf(**it) : nullptr;
}

// Makes one record's control, named, placed and counted; nothing is left behind on failure.
Outcome<ObjRef<Control>> createControl(Form &form, const ControlRecord &record, QWidget &container)
{
    Runtime &runtime = form.runtime();
    Outcome<MadeObject> made
        = runtime.controlMaker().make(record, MakeSite { container, runtime.scale(), FormPrivate::of(form) });
    if (!made)
        return made.failure();
    QObject *object = made.value().object;
    object->setObjectName(storedText(record.name));
    // A control without a window (the timer, an invisible library class) has neither a place nor a font.
    if (auto *widget = qobject_cast<QWidget *>(object)) {
        widget->setGeometry(placement(record, container, runtime.scale()));
        if (record.font)
            widget->setFont(toQFont(*record.font));
        nameForAssistiveTechnology(*widget, storedText(record.name));
    }
    return ObjRef<Control>(makeControlObject(form, record, object, std::move(made.value().className)));
}
} // namespace

Outcome<> checkDescription(const FormDescription &description)
{
    const QString form = storedText(description.name);
    std::set<std::string_view> names;
    for (const ControlRecord &record : description.controls) {
        if (!record.container.empty() && !names.count(record.container))
            return failure(status::fail,
                           QStringLiteral("%1: container %2 of control %3 does not precede it.")
                               .arg(form, storedText(record.container), storedText(record.name)));
        if (!names.insert(record.name).second)
            return failure(
                status::fail,
                QStringLiteral("%1: two controls are named %2.").arg(form, storedText(record.name)));
    }
    return {};
}

CreatedControls createControls(Form &form, QWidget &window, CreationPolicy policy,
                               const CreationObserver *observer)
{
    // One set of crash handlers for the whole load, set by the first module called, not one for each control.
    const ModuleCodeWatch::ForLoad watch;
    CreatedControls created;
    const auto records = form.description().controls;
    created.made.reserve(records.size());
    for (const ControlRecord &record : records) {
        QWidget *container = containerOf(record, created.made, window);
        if (!container)
            container = &window; // its container failed (going on past failures): tried in the window
        if (observer && observer->creating)
            observer->creating(record);
        Outcome<ObjRef<Control>> control = createControl(form, record, *container);
        if (observer && observer->tried)
            observer->tried(record, control ? Outcome<>() : Outcome<>(control.failure()));
        if (!control) {
            if (!created.firstFailure)
                created.firstFailure = control.failure();
            created.records.push_back({ &record, control.failure() });
            if (policy == CreationPolicy::StopAtFirstFailure)
                break;
            continue;
        }
        created.records.push_back({ &record, {} });
        created.made.push_back(std::move(control.value()));
    }
    return created;
}

} // namespace qv
