#pragma once
// The child side of the check: quorvane-check run again (or forked) for a share of the libraries, the forms
// runtime's own classes among them for one child, creating their records of the showcase window in one window
// and telling its parent, through its standard output, of each record before it is created and after.
// Whatever a module does to this process, what it told survives it.

#include <quorvane/form_description.h>

#include <QStringList>

namespace qv::checker
{

// Returns the process's exit status: 0 when every outcome was told, 2 when a library file is not one of the
// runtime's.
int checkLibrariesAsChild(const FormDescription &showcase, const QStringList &libraryFiles);

} // namespace qv::checker
