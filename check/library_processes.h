#pragma once
// The parent side of the check: the control libraries' classes created in child processes (this program run
// again for a share of the libraries), two or more side by side, within a time limit. A module that crashes,
// aborts, hangs, ends the process or writes to standard output fails its own library, with the reason; the
// other libraries of that child are checked again in a new one, so every other library is still checked.

#include "check/check_plan.h"

#include <quorvane/outcome.h>

#include <QString>
#include <chrono>
#include <cstddef>
#include <optional>
#include <vector>

namespace qv::checker
{

// How long a child may go without a word (one control's creation, or the window's showing) before its
// library fails: what --time-limit sets.
inline constexpr std::chrono::seconds defaultTimeLimit { 30 };

struct ChildSettings {
    QString program; // this program, run again with --check-library for each library of its share
    std::chrono::seconds timeLimit = defaultTimeLimit;
    int sideBySide = 2;
};

// What became of the records the children created.
struct ChildrenOutcome {
    std::vector<std::optional<Outcome<>>>
        records; // by index in the stored layout: every record of the libraries
    Outcome<> window; // the first failure of a library's window that no record explains
};

// The libraries are indexes into the plan's; the forms runtime's own classes are never among them.
ChildrenOutcome checkLibrariesInChildren(const CheckPlan &plan, const std::vector<std::size_t> &libraries,
                                         const ChildSettings &settings);

} // namespace qv::checker
