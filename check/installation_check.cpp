#include "check/installation_check.h"

#include <algorithm>

namespace qv::checker
{

namespace
{
Outcome<> outcomeOf(const installation::ControlOutcome &tried)
{
    return tried.created ? Outcome<>() : failure(status::cannotCreateObject, tried.reason);
}

Outcome<> windowOutcome(const QString &failed)
{
    return failed.isEmpty() ? Outcome<>() : failure(status::fail, failed);
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

// The report before any control is counted: the runtime, the installed modules against the manifest and every
// library and class of the list.
CheckReport emptyReport(const std::vector<installation::LibraryEntry> &libraries,
                        const QString &moduleDirectory)
{
    CheckReport report;
    report.runtime = installation::runtimeLibrary();
    report.moduleDirectory = moduleDirectory;
    report.moduleProblems = installation::moduleProblems(moduleDirectory);
    report.libraries = expectedLibraries(libraries);
    return report;
}

// Each instance counts for its class, named as the runtime names it; a class is created when all its
// instances were, and the first of them that was not says why.
void countInstance(CheckReport &report, const QString &control, const QString &className,
                   const Outcome<> &created)
{
    ClassResult *result = findResult(report.libraries, className);
    if (!result) {
        report.window = failure(status::fail,
                                QStringLiteral("the showcase window holds %1 of class %2, which the "
                                               "manifest does not list")
                                    .arg(control, className));
        return;
    }
    if (result->controls.isEmpty() || (result->created && !created))
        result->created = created;
    result->controls << control;
}

// Once every instance is counted: the window's own failure, which says more than a class it does not list,
// and the classes it holds no instance of.
void finishReport(CheckReport &report, const Outcome<> &window)
{
    if (!window)
        report.window = window;
    for (LibraryResult &library : report.libraries) {
        for (ClassResult &cls : library.classes) {
            if (cls.controls.isEmpty())
                cls.created = failure(status::cannotCreateObject,
                                      QStringLiteral("the showcase window holds no instance of the class"));
        }
    }
}
} // namespace

std::vector<LibraryResult> expectedLibraries(const std::vector<installation::LibraryEntry> &libraries)
{
    std::vector<LibraryResult> results;
    for (const installation::LibraryEntry &library : libraries) {
        LibraryResult result { library.file, library.typeLibrary, library.version, library.moduleFile, {} };
        for (const installation::ClassEntry &cls : library.classes)
            result.classes.push_back({ cls.className, {}, {} });
        results.push_back(std::move(result));
    }
    return results;
}

bool LibraryResult::created() const
{
    return createdCount() == static_cast<int>(classes.size());
}

int LibraryResult::createdCount() const
{
    return static_cast<int>(
        std::count_if(classes.begin(), classes.end(), [](const auto &c) { return c.created.ok(); }));
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
    return window && createdCount() == classCount();
}

CheckReport checkInstallation(const FormClass &showcase, const QString &moduleDirectory)
{
    const installation::FormCheck loaded = installation::checkForm(showcase, moduleDirectory);
    CheckReport report = emptyReport(installation::libraries(), moduleDirectory);
    for (const installation::ControlOutcome &tried : loaded.controls)
        countInstance(report, tried.control, tried.className, outcomeOf(tried));
    finishReport(report, windowOutcome(loaded.failure));
    return report;
}

std::vector<std::size_t> librariesToCreate(const CheckPlan &plan)
{
    std::vector<std::size_t> libraries;
    for (std::size_t library = CheckPlan::formsRuntime; library < plan.libraries().size(); ++library) {
        if (!plan.recordsOf(library).empty())
            libraries.push_back(library);
    }
    return libraries;
}

CheckReport checkInstallationIsolated(const FormDescription &showcase, const ChildSettings &settings,
                                      std::vector<StartedChild> started)
{
    const CheckPlan plan(showcase);
    // Every library in children, the forms runtime's own classes too: this process needs no window of its
    // own, and reads the installed modules against the manifest while they work.
    const QString moduleDirectory = installation::moduleDirectory();
    CheckReport report;
    const ChildrenOutcome children = checkLibrariesInChildren(
        plan, librariesToCreate(plan), settings,
        [&] { report = emptyReport(plan.libraries(), moduleDirectory); }, std::move(started));
    for (std::size_t r = 0; r < showcase.controls.size(); ++r) {
        if (children.records[r])
            countInstance(report, storedText(showcase.controls[r].name), plan.classNameOf(r),
                          *children.records[r]);
    }
    finishReport(report, children.window);
    return report;
}

} // namespace qv::checker
