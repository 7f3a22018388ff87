#pragma once
// The parent side of the check: the libraries' classes created in child processes (this program run
// again for a share of the libraries), two or more side by side, within a time limit. A module that crashes,
// aborts, hangs, ends the process or writes to standard output fails its own library, with the reason; the
// other libraries of that child are checked again in a new one, so every other library is still checked.

#include "check/check_plan.h"
#include "check/child_process.h"

#include <quorvane/outcome.h>

#include <QString>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <variant>
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

// How many children run side by side for that many libraries.
std::size_t childCount(std::size_t libraries, int sideBySide);

// The libraries (indexes into the plan's) shared out among that many children so that they end together: the
// costliest first, each to the child with the least to do so far; in stored order within a share.
std::vector<std::vector<std::size_t>> sharesByCost(const CheckPlan &plan, std::vector<std::size_t> libraries,
                                                   std::size_t children);

// A child started before the check began, with its share of the libraries.
struct StartedChild {
    ForkedChild process;
    std::vector<std::size_t> libraries;
};

// Forks the children for the libraries, shared by cost, before this process has made any Qt object or started
// a thread. In this process: the children started (a share whose fork failed is left to the check, which
// starts it as the program run again). In a child: its share, to create as a child check does.
std::variant<std::vector<StartedChild>, std::vector<std::size_t>>
forkChildren(const CheckPlan &plan, const std::vector<std::size_t> &libraries, int sideBySide);

// The libraries are indexes into the plan's, the forms runtime's among them if its classes are to be created
// too. The children already started take their shares; the others start at once, shared by cost. `meanwhile`
// runs in this process while they work.
ChildrenOutcome checkLibrariesInChildren(const CheckPlan &plan, const std::vector<std::size_t> &libraries,
                                         const ChildSettings &settings,
                                         const std::function<void()> &meanwhile = {},
                                         std::vector<StartedChild> started = {});

} // namespace qv::checker
