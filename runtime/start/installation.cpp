// The installation check of the public API, over the runtime's own parts.

#include "runtime/builtin/class_table.h"
#include "runtime/core/form_private.h"
#include "runtime/modules/installation_inventory.h"
#include "runtime/start/standard_runtime.h"
#include <quorvane/form_description.h>
#include <quorvane/installation.h>
#include <quorvane/version.h>

#include "manifest/manifest.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <dlfcn.h>

namespace qv::installation
{

namespace
{
QString builtinClassName(std::string_view name)
{
    return storedText(manifest::runtimeObjectLibrary.name) + QLatin1Char('.') + storedText(name);
}

QString classNameOf(const ControlRecord &record)
{
    if (isActiveX(record.cls))
        return storedText(std::get<ProgId>(record.cls).text);
    return builtinClassName(builtin::classNameOf(std::get<BuiltinClass>(record.cls)));
}

// A report of the form's own handlers, and the end of the run, kept instead of shown: the check goes on.
class QuietHost final : public Host
{
public:
    void showErrorReport(const QString &, const QString &text) override { report = text; }
    void endProcess(int) override { }
    QString report;
};
} // namespace

std::vector<LibraryEntry> libraries()
{
    std::vector<LibraryEntry> all;
    const manifest::ObjectLibrary &vb = manifest::runtimeObjectLibrary;
    LibraryEntry forms {
        storedText(manifest::formsRuntimeFile), storedText(vb.name), versionText(vb.version), {}, {}
    };
    for (const builtin::ClassEntry &cls : builtin::classTable)
        forms.classes.push_back({ builtinClassName(cls.name), {}, cls.window == builtin::Window::Has });
    all.push_back(std::move(forms));

    for (const manifest::LibraryRecord &library : manifest::libraries()) {
        const QString file = storedText(library.file);
        LibraryEntry entry { file,
                             storedText(library.typeLibrary),
                             library.version ? versionText(*library.version) : QString(),
                             InstalledModules::moduleFileName(file),
                             {} };
        for (const manifest::ClassRecord *cls : manifest::classesOf(library.file))
            entry.classes.push_back({ storedText(cls->progId), storedText(cls->clsid), cls->visible });
        all.push_back(std::move(entry));
    }
    return all;
}

RuntimeLibrary runtimeLibrary()
{
    Dl_info info {};
    const bool found = dladdr(reinterpret_cast<const void *>(&runtimeLibrary), &info) != 0 && info.dli_fname;
    return { found ? QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath() : QString(),
             QStringLiteral(QUORVANE_VERSION_STRING) };
}

QString moduleDirectory()
{
    return InstalledModules::besideRuntime();
}

std::vector<ModuleProblem> moduleProblems(const QString &directory)
{
    InstalledModules modules(directory);
    return compareWithManifest(modules);
}

FormCheck checkForm(const FormClass &formClass, const QString &directory)
{
    return checkForm(formClass, directory, CheckObserver {});
}

FormCheck checkForm(const FormClass &formClass, const QString &directory, const CheckObserver &observer)
{
    FormCheck check;
    QuietHost host;
    StandardRuntime runtime(host, directory);
    FormSlot slot;
    const auto outcomeOf = [](const ControlRecord &record, const Outcome<> &tried) {
        ControlOutcome outcome { storedText(record.name), classNameOf(record), tried.ok(), {} };
        if (!tried) {
            const ErrorInfo &why = tried.failure().info;
            outcome.reason = why.creation ? why.creation->reason : why.description;
        }
        return outcome;
    };
    CreationObserver told;
    if (observer.creating)
        told.creating = [&](const ControlRecord &record) {
            observer.creating(storedText(record.name), classNameOf(record));
        };
    if (observer.tried)
        told.tried = [&](const ControlRecord &record, const Outcome<> &tried) {
            observer.tried(outcomeOf(record, tried));
        };
    vbaNew2(runtime, formClass, slot);
    FormPrivate &form = FormPrivate::of(*slot);
    const LoadResult load = form.load(CreationPolicy::GoOnPastFailures, &told);
    for (const RecordOutcome &tried : load.records)
        check.controls.push_back(outcomeOf(*tried.record, tried.outcome));
    Outcome<> outcome = load.outcome;
    // Shown once, offscreen, so that every control also lays itself out and paints.
    if (outcome)
        outcome = form.show(Variant::missing(), Variant::missing());
    if (outcome) {
        QCoreApplication::processEvents();
        form.unload();
    }
    if (runtime.hasEnded()) {
        // The form's own Load handler failed, or ended the run.
        check.failure = host.report.isEmpty()
            ? QStringLiteral("the forms runtime ended the run while %1 loaded").arg(slot->objectName())
            : host.report;
        return check;
    }
    const bool everyControlMade = std::all_of(check.controls.begin(), check.controls.end(),
                                              [](const ControlOutcome &c) { return c.created; });
    if (!outcome && everyControlMade)
        check.failure = outcome.failure().explanation();
    return check;
}

} // namespace qv::installation
