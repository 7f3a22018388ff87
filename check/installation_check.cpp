#include "check/installation_check.h"
#include "check/form_parts.h"

#include <algorithm>

namespace qv::checker
{

namespace
{
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

// Each instance counts for its class; a class is created when all its instances were.
void countInstance(CheckReport &report, const installation::ControlOutcome &outcome)
{
    ClassResult *result = findResult(report.libraries, outcome.className);
    if (!result) {
        report.loadFailure = QStringLiteral("the showcase window holds %1 of class %2, which the manifest "
                                            "does not list")
                                 .arg(outcome.control, outcome.className);
        return;
    }
    const bool first = result->controls.isEmpty();
    result->controls << outcome.control;
    if (!outcome.created) {
        result->created = false;
        if (result->reason.isEmpty())
            result->reason = outcome.reason;
    } else if (first) {
        result->created = true;
    }
}
} // namespace

std::vector<LibraryResult> expectedLibraries()
{
    std::vector<LibraryResult> libraries;
    for (const installation::LibraryEntry &library : installation::libraries()) {
        LibraryResult result { library.file, library.typeLibrary, library.version, library.moduleFile, {} };
        for (const installation::ClassEntry &cls : library.classes)
            result.classes.push_back({ cls.className, {}, false, {} });
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

namespace
{
// The report of a check from each control's outcome, in the showcase window's stored order.
CheckReport reportFrom(const QString &moduleDirectory,
                       const std::vector<installation::ControlOutcome> &outcomes, const QString &failure)
{
    CheckReport report;
    report.runtime = installation::runtimeLibrary();
    report.moduleDirectory = moduleDirectory;
    report.moduleProblems = installation::moduleProblems(moduleDirectory);
    report.libraries = expectedLibraries();
    for (const installation::ControlOutcome &outcome : outcomes)
        countInstance(report, outcome);
    if (!failure.isEmpty())
        report.loadFailure = failure;
    for (LibraryResult &library : report.libraries) {
        for (ClassResult &cls : library.classes) {
            if (cls.controls.isEmpty())
                cls.reason = QStringLiteral("the showcase window holds no instance of the class");
        }
    }
    return report;
}

} // namespace

CheckReport checkInstallation(const FormClass &showcase, const QString &moduleDirectory)
{
    const installation::FormCheck loaded = installation::checkForm(showcase, moduleDirectory);
    return reportFrom(moduleDirectory, loaded.controls, loaded.failure);
}

CheckReport checkInstallationIsolated(const FormDescription &showcase, const ChildSettings &settings)
{
    const QString moduleDirectory = installation::moduleDirectory();
    // The forms runtime's own classes here: no module's code runs for them.
    installation::FormCheck builtIn
        = installation::checkForm(partOf(showcase, recordsOf(showcase, {})), moduleDirectory);
    std::vector<installation::ControlOutcome> outcomes = std::move(builtIn.controls);
    QString failure = builtIn.failure;

    std::vector<LibraryToCheck> libraries;
    for (const installation::LibraryEntry &library : installation::libraries()) {
        LibraryToCheck toCheck { library.file, library.moduleFile, {} };
        for (const ControlRecord &record : recordsOf(showcase, library.file))
            toCheck.records.emplace_back(storedText(record.name),
                                         storedText(std::get<ProgId>(record.cls).text));
        if (!toCheck.records.empty())
            libraries.push_back(std::move(toCheck));
    }
    for (LibraryOutcomes &library : checkLibrariesInChildren(libraries, settings)) {
        std::move(library.controls.begin(), library.controls.end(), std::back_inserter(outcomes));
        if (failure.isEmpty())
            failure = library.failure;
    }

    // Back into stored order, so that each class lists its instances as the window holds them.
    const auto position = [&](const installation::ControlOutcome &outcome) {
        const auto found
            = std::find_if(showcase.controls.begin(), showcase.controls.end(),
                           [&](const ControlRecord &r) { return storedText(r.name) == outcome.control; });
        return found - showcase.controls.begin();
    };
    std::stable_sort(outcomes.begin(), outcomes.end(),
                     [&](const auto &a, const auto &b) { return position(a) < position(b); });
    return reportFrom(moduleDirectory, outcomes, failure);
}

} // namespace qv::checker
