#pragma once
// The check itself: the installed modules against the manifest, then the showcase window's load through
// the forms runtime, going on past every control that cannot be created so that one run names every broken
// library. Written against the runtime's public installation API, as any other checker would be.

#include "check/library_processes.h"

#include <quorvane/default_instance.h>
#include <quorvane/form_description.h>
#include <quorvane/installation.h>
#include <quorvane/outcome.h>

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace qv::checker
{

struct ClassResult {
    QString className; // "MSComctlLib.TabStrip", or "VB.CommandButton" for a class of the forms runtime
    QStringList controls; // the showcase window's instances, e.g. "Command1", "Command2"
    Outcome<> created; // or why not: the first of its instances that could not be created says
};

struct LibraryResult {
    QString file; // "MSCOMCTL.OCX", or the forms runtime's file
    QString typeLibrary;
    QString version; // empty where the manifest records none
    QString module; // the module file that stands for it; empty for the forms runtime, built into the program
    std::vector<ClassResult> classes;

    bool created() const;
    int createdCount() const;
};

struct CheckReport {
    installation::RuntimeLibrary runtime;
    QString moduleDirectory;
    std::vector<installation::ModuleProblem> moduleProblems;
    std::vector<LibraryResult> libraries; // the forms runtime, then the manifest's libraries in table order
    Outcome<> window; // the showcase window's load, where no single control explains its failure

    int classCount() const;
    int createdCount() const;
    QStringList failedLibraries() const;
    bool allCreated() const;
};

// Every library and class of the runtime's list, in its order, none created yet: the forms runtime with its
// built-in classes, then each control library with its classes.
std::vector<LibraryResult> expectedLibraries(const std::vector<installation::LibraryEntry> &libraries);

// Runs the check with the modules of `moduleDirectory`, loading one instance of the showcase window's class
// in this process.
CheckReport checkInstallation(const FormClass &showcase, const QString &moduleDirectory);

// Runs the check as quorvane-check does, with the runtime's installed modules: every class of the showcase
// window is created in child processes (library_processes.h), the forms runtime's own among them, so that no
// module can take the report down with it. This process needs no more than a QCoreApplication.
// Children already started (forkChildren) take their shares.
CheckReport checkInstallationIsolated(const FormDescription &showcase, const ChildSettings &settings,
                                      std::vector<StartedChild> started = {});

// The libraries whose classes the showcase window holds, the forms runtime among them: what the children of
// an isolated check create, as indexes into the plan's libraries.
std::vector<std::size_t> librariesToCreate(const CheckPlan &plan);

} // namespace qv::checker
