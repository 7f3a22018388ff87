#pragma once
// quorvane-check's command line: what to do and in which form, or why the arguments make no sense.

#include "check/library_processes.h"

#include <QString>
#include <QStringList>

namespace qv::checker
{

struct CheckOptions {
    enum class Action { Check, CheckLibrary, ListLibraries, Describe, Help, Version, UsageError };
    Action action = Action::Check;
    bool json = false;
    bool markdown = false; // Describe: a reference page for each library
    QString described; // Describe: the class or library file named, or empty for every class
    std::chrono::seconds timeLimit = defaultTimeLimit; // for one control's creation
    QStringList libraries; // CheckLibrary: the library files whose classes this run creates (for a check)
    QString text; // the help or version text, or the usage error's message
};

// Reads the arguments (the program's name first, as main receives them).
CheckOptions parseCheckOptions(const QStringList &arguments);

// What a usage error prints on standard error.
QString usageErrorText(const QString &message);

} // namespace qv::checker
