#include "runtime/core/form_load.h"
#include "runtime/core/accessibility.h"
#include "runtime/core/control_private.h"
#include "runtime/core/fonts.h"
#include "runtime/core/form_private.h"
#include "runtime/core/late_binding.h"
#include "runtime/core/module_code_watch.h"
#include "runtime/core/placement.h"
#include "runtime/core/runtime.h"
#include <quorvane/form_description.h>

#include <QWidget>
#include <algorithm>
#include <map>

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

Outcome<> applyStoredValues(Control &control, const ControlRecord &record);

// Makes one record's control, named, placed, given its stored values and counted; nothing is left behind on
// failure.
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
    ObjRef<Control> control(makeControlObject(form, record, std::move(made.value())));
    if (Outcome<> stored = applyStoredValues(*control, record); !stored) {
        control.reset();
        delete object;
        return stored.failure();
    }
    return control;
}

// The record's own stored values, written through the control's members in stored order, as the class's
// description says they are stored.
Outcome<> applyStoredValues(Control &control, const ControlRecord &record)
{
    if (record.values.empty())
        return {};
    ControlPrivate &d = ControlPrivate::of(control);
    for (const StoredValue &stored : record.values) {
        if (Outcome<> applied = storeProperty(d.members(), stored); !applied)
            return cannotCreate(CreationFailure {
                control.objectName(),
                d.className(),
                {},
                {},
                QStringLiteral("its stored value %1").arg(applied.failure().explanation()) });
    }
    return {};
}

QString classValueText(const ControlClass &cls)
{
    return QString::number(static_cast<int>(std::get<BuiltinClass>(cls)));
}

// What a record alone may not hold: a class outside the runtime's, a negative size.
Outcome<> checkRecord(const QString &form, const ControlRecord &record)
{
    const QString name = storedText(record.name);
    const auto refused = [&](QString what) {
        return failure(status::fail, QStringLiteral("%1: control %2 %3.").arg(form, name, what));
    };
    if (const auto *builtin = std::get_if<BuiltinClass>(&record.cls); builtin && !isBuiltinClass(*builtin))
        return refused(QStringLiteral("has class value %1, which is not a class of the runtime")
                           .arg(classValueText(record.cls)));
    if (record.width < 0)
        return refused(QStringLiteral("has a negative width (%1)").arg(record.width));
    if (record.height < 0)
        return refused(QStringLiteral("has a negative height (%1)").arg(record.height));
    return {};
}

// Of the built-in classes only a frame and a picture box hold controls; a library class's module decides.
bool canHoldControls(const ControlClass &cls)
{
    const auto *builtin = std::get_if<BuiltinClass>(&cls);
    return !builtin || holdsControls(*builtin);
}

} // namespace

Outcome<> checkDescription(const FormDescription &description)
{
    const QString form = storedText(description.name);
    std::map<std::string_view, const ControlRecord *> earlier;
    for (const ControlRecord &record : description.controls) {
        if (Outcome<> sound = checkRecord(form, record); !sound)
            return sound;
        if (!record.container.empty()) {
            const auto container = earlier.find(record.container);
            if (container == earlier.end())
                return failure(status::fail,
                               QStringLiteral("%1: container %2 of control %3 does not precede it.")
                                   .arg(form, storedText(record.container), storedText(record.name)));
            if (!canHoldControls(container->second->cls))
                return failure(
                    status::fail,
                    QStringLiteral("%1: container %2 of control %3 cannot hold controls; of the runtime's "
                                   "classes only a Frame or a PictureBox can.")
                        .arg(form, storedText(record.container), storedText(record.name)));
        }
        if (!earlier.emplace(record.name, &record).second)
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
