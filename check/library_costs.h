#pragma once
// What creating a library's classes of the showcase window costs a child of the check, so that the children
// are given shares that end together rather than equal counts of libraries.

#include <QStringView>

namespace qv::checker
{

// In tenths of a millisecond of processor time beyond a child's own start: each library alone in a child,
// measured on the build machine (hyperfine's user and system time, BENCHMARKS.md). Only the proportions
// matter. A library not listed costs the least.
int creationCost(QStringView libraryFile);

} // namespace qv::checker
