#pragma once
// The child side of the check: quorvane-check run again for one control library, creating that library's
// controls of the showcase window one at a time and writing each outcome to the result file its parent
// named. Whatever a module does to this process, the parent's report survives it.

#include <quorvane/form_description.h>

#include <QString>

namespace qv::checker
{

// Returns the process's exit status: 0 when every outcome was written, 2 when the result file cannot be.
int checkLibraryAsChild(const FormDescription &showcase, const QString &libraryFile,
                        const QString &resultFile);

} // namespace qv::checker
