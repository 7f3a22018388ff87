#pragma once
// The parent side of the check: the control libraries' classes created in child processes (this program run
// again for a share of the libraries), two or more side by side, within a time limit. A module that crashes,
// aborts, hangs, ends the process or writes to standard output fails its own library, with the reason; the
// other libraries of that child are checked again in a new one, so every other library is still checked.

#include <quorvane/installation.h>

#include <QString>
#include <QStringList>
#include <chrono>
#include <vector>

namespace qv::checker
{

struct ChildSettings {
    QString program; // this program, run again with --check-library for each library of its share
    std::chrono::seconds timeLimit { 30 }; // for one control's creation, or the window's showing
    int sideBySide = 2;
};

struct LibraryOutcomes {
    std::vector<installation::ControlOutcome> controls; // every record of the library's classes
    QString failure; // a window of the library's controls failed for a reason no control explains
};

// One entry per library file, in the order given. `records` gives, for each library, its records as
// (control, class) pairs, so that a child that died still leaves an outcome for each of them.
struct LibraryToCheck {
    QString file; // "MSCOMCT2.OCX"
    QString moduleFile; // "mscomct2.so"
    std::vector<std::pair<QString, QString>> records;
};
std::vector<LibraryOutcomes> checkLibrariesInChildren(const std::vector<LibraryToCheck> &libraries,
                                                      const ChildSettings &settings);

} // namespace qv::checker
