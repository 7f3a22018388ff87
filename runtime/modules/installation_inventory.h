#pragma once
// The installed control library modules set against the control manifest, from their metadata alone: every
// problem of the installation at once, before anything is created (quorvane-check's first list).

#include "runtime/modules/module_problems.h"

#include <vector>

namespace qv
{

class InstalledModules;

// One entry per problem: the manifest's libraries in table order, then the modules the manifest does not ask
// for. Empty when the installation is exactly the manifest.
std::vector<ModuleProblem> compareWithManifest(InstalledModules &modules);

} // namespace qv
