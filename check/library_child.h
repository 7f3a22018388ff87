#pragma once
// The child side of the check: quorvane-check run again for a share of the control libraries, creating their
// controls of the showcase window in one window and writing, before each control and after it, to the result
// file its parent named. Whatever a module does to this process, the parent's report survives it.

#include <quorvane/form_description.h>

#include <QString>
#include <QStringList>

namespace qv::checker
{

// Returns the process's exit status: 0 when every outcome was written, 2 when the result file cannot be.
int checkLibrariesAsChild(const FormDescription &showcase, const QStringList &libraryFiles,
                          const QString &resultFile);

} // namespace qv::checker
