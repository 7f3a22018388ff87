#pragma once
// Who may write a module file or the module folder. Every program on the machine loads code from there, so
// a file or folder that anyone but its owner can change is not to be loaded.

#include <quorvane/outcome.h>

#include <QString>

namespace qv
{

// Passes when only the owner of the file or folder at `path` may change it; fails with why not. A folder or
// file that only its owner's own group (a user private group) may also write counts as the owner's.
Outcome<> checkOnlyOwnerWrites(const QString &path);

} // namespace qv
