#include "installation_check.h"

#include "runtime/builtin/class_table.h"
#include "runtime/core/stored_text.h"
#include "runtime/start/standard_runtime.h"
#include "windows/program_state.h"

#include "manifest/manifest.h"

#include <QCoreApplication>
#include <algorithm>

namespace qv::checker
{

namespace
{
QString versionOrNone(const std::optional<manifest::Version> &v)
{
    return v ? versionText(*v) : QString();
}

QString classNameOf(const ControlRecord &record)
{
    if (isActiveX(record.cls))
        return storedText(std::get<ProgId>(record.cls).text);
    return storedText(manifest::runtimeObjectLibrary.name) + QLatin1Char('.')
        + storedText(builtin::classNameOf(std::get<BuiltinClass>(record.cls)));
}

ClassResult *findResult(std::vector<LibraryResult> &libraries, const QString &className)
{
    for (LibraryResult &library : libraries) {
        for (ClassResult &cls : library.classes) {
            if (cls.className == className)
                return &cls;
        }
    }
    return nullptr;
}

void countInstance(CheckReport &report, const ControlRecord &record, const Outcome<> &outcome)
{
    const QString className = classNameOf(record);
    ClassResult *result = findResult(report.libraries, className);
    if (!result) {
        report.loadFailure = QStringLiteral("the showcase window holds %1 of class %2, which the manifest "
                                            "does not list")
                                 .arg(storedText(record.name), className);
        return;
    }
    const bool first = result->controls.isEmpty();
    result->controls << storedText(record.name);
    if (!outcome) {
        result->created = false;
        if (result->reason.isEmpty()) {
            const ErrorInfo &why = outcome.failure().info;
            result->reason = why.creation ? why.creation->reason : why.description;
        }
    } else if (first) {
        result->created = true;
    }
}

} // namespace

std::vector<LibraryResult> expectedLibraries()
{
    std::vector<LibraryResult> libraries;
    const manifest::ObjectLibrary &vb = manifest::runtimeObjectLibrary;
    LibraryResult forms {
        storedText(manifest::formsRuntimeFile), storedText(vb.name), versionText(vb.version), {}, {}
    };
    for (std::string_view name : manifest::builtinClasses())
        forms.classes.push_back({ storedText(vb.name) + QLatin1Char('.') + storedText(name), {}, false, {} });
    libraries.push_back(std::move(forms));

    for (const manifest::LibraryRecord &library : manifest::libraries()) {
        const QString file = storedText(library.file);
        LibraryResult result { file,
                               storedText(library.typeLibrary),
                               versionOrNone(library.version),
                               InstalledModules::moduleFileName(file),
                               {} };
        for (const manifest::ClassRecord *cls : manifest::classesOf(library.file))
            result.classes.push_back({ storedText(cls->progId), {}, false, {} });
        libraries.push_back(std::move(result));
    }
    return libraries;
}

bool LibraryResult::created() const
{
    return createdCount() == static_cast<int>(classes.size());
}

int LibraryResult::createdCount() const
{
    return static_cast<int>(
        std::count_if(classes.begin(), classes.end(), [](const auto &c) { return c.created; }));
}

int CheckReport::classCount() const
{
    int n = 0;
    for (const LibraryResult &library : libraries)
        n += static_cast<int>(library.classes.size());
    return n;
}

int CheckReport::createdCount() const
{
    int n = 0;
    for (const LibraryResult &library : libraries)
        n += library.createdCount();
    return n;
}

QStringList CheckReport::failedLibraries() const
{
    QStringList failed;
    for (const LibraryResult &library : libraries) {
        if (!library.created())
            failed << library.file;
    }
    return failed;
}

bool CheckReport::allCreated() const
{
    return loadFailure.isEmpty() && createdCount() == classCount();
}

CheckReport checkInstallation(StandardRuntime &runtime)
{
    CheckReport report;
    report.moduleDirectory = runtime.modules().directory();
    report.moduleProblems = compareWithManifest(runtime.modules());
    report.libraries = expectedLibraries();

    ProgramState state;
    try {
        vbaNew2(runtime, form2Class(state), state.form2);
        Form &showcase = *state.form2;
        const LoadResult load = showcase.load(CreationPolicy::GoOnPastFailures);
        // Each instance counts for its class; a class is created when all its instances were.
        for (const RecordOutcome &tried : load.records)
            countInstance(report, *tried.record, tried.outcome);
        Outcome<> outcome = load.outcome;
        // Shown once, offscreen, so that every control also lays itself out and paints.
        if (outcome) {
            if (const Status shown = showcase.Show(); failed(shown))
                outcome = failure(shown, runtime.takeErrorObject().description);
        }
        if (outcome) {
            QCoreApplication::processEvents();
            showcase.unload();
        }
        if (!outcome && report.createdCount() == report.classCount())
            report.loadFailure = outcome.failure().info.description.isEmpty()
                ? describeStatus(outcome.status())
                : outcome.failure().info.description;
    } catch (const ProcessEnded &) {
        report.loadFailure
            = QStringLiteral("the forms runtime ended the run while the showcase window loaded");
    }
    for (LibraryResult &library : report.libraries) {
        for (ClassResult &cls : library.classes) {
            if (cls.controls.isEmpty())
                cls.reason = QStringLiteral("the showcase window holds no instance of the class");
        }
    }
    return report;
}

} // namespace qv::checker
