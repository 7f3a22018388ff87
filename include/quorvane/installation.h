#pragma once
// Checking an installation of the forms runtime: what a setup package must carry, what is installed, and
// whether every control of a form can be created. For a program that checks its own machine (as
// quorvane-check does), and for installers. checkForm needs a QApplication (offscreen will do); the lists and
// the module problems need no more than a QCoreApplication.

#include <quorvane/default_instance.h>
#include <quorvane/export.h>
#include <quorvane/members.h>
#include <quorvane/outcome.h>

#include <QString>
#include <functional>
#include <vector>

namespace qv::installation
{

struct ClassEntry {
    QString className; // "MSComctlLib.Toolbar"; for a class built into the runtime "VB.CommandButton"
    QString clsid; // empty for a class built into the runtime
    bool visible = true; // an invisible class's instances have no window
};

struct LibraryEntry {
    QString file; // "MSCOMCTL.OCX", or the forms runtime's own "MSVBVM60.DLL"
    QString typeLibrary;
    QString version; // "2.1"; empty where none is recorded
    QString moduleFile; // the module that stands for the library, "mscomctl.so"; empty for the runtime itself
    std::vector<ClassEntry> classes;
};

// The files a setup package must carry, in order: the forms runtime with its built-in classes (in the order
// of BuiltinClass, so that a stored record's class is found by its value), then every control library with
// its classes.
QUORVANE_EXPORT std::vector<LibraryEntry> libraries();

struct RuntimeLibrary {
    QString path; // the runtime library file this program runs with
    QString version; // its version, "1.0.0"
};
QUORVANE_EXPORT RuntimeLibrary runtimeLibrary();

// The folder the runtime loads control library modules from: at a fixed place beside its own library file,
// whatever folder the program runs from.
QUORVANE_EXPORT QString moduleDirectory();

struct ModuleProblem {
    QString kind; // "missing", "unreadable", "wrong version", "wrong classes" or "extra"
    QString libraryFile; // the library concerned; for an extra module, the library its metadata names
    QString path; // the module file, or where it was looked for
    QString reason; // a sentence naming the module file and what is wrong with it
};

// The modules in the folder set against the libraries above, from their metadata alone (nothing is loaded):
// one entry per problem, none when the installation is whole.
QUORVANE_EXPORT std::vector<ModuleProblem> moduleProblems(const QString &directory);

struct ControlOutcome {
    QString control; // the stored record: "Adodc1"
    QString className; // as ClassEntry names it
    bool created = false;
    QString reason; // why not, when not created
};

struct FormCheck {
    std::vector<ControlOutcome> controls; // every record of the form, in stored order
    QString failure; // set when the form failed for a reason no single control explains
};

// Loads the form class in a runtime of its own, with the modules of `directory`, going on past every control
// that cannot be created; when every control was made it shows the form once, then unloads it. No handler
// of the program runs but the form's Load event.
QUORVANE_EXPORT FormCheck checkForm(const FormClass &formClass, const QString &directory);

// Told of each control as the check goes: before it is created, and then what became of it. For a checker
// that runs the check where a module's fault may end the process (quorvane-check runs it in a child process),
// so that it knows which class was being created.
struct CheckObserver {
    std::function<void(const QString &control, const QString &className)> creating;
    std::function<void(const ControlOutcome &outcome)> tried;
};
QUORVANE_EXPORT FormCheck checkForm(const FormClass &formClass, const QString &directory,
                                    const CheckObserver &observer);

// Every property, method and event of a class, as each of its controls' members() gives them, known without
// a control: a class built into the runtime ("VB.CommandButton") from the runtime, a library class
// ("MSComctlLib.Slider") from its module in `directory`, which is loaded to ask it (and stays loaded). Or
// why not: no library declares the class, or its module is missing or refused, said as the load says it.
QUORVANE_EXPORT Outcome<std::vector<MemberInfo>> classMembers(const QString &className,
                                                              const QString &directory);

} // namespace qv::installation
