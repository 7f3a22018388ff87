#pragma once
// Who may write a module file or the module folder. Every program on the machine loads code from there, so
// a file or folder that anyone but its owner can change is not to be loaded.

#include <QString>
#include <optional>

namespace qv
{

// Why the file or folder at `path` can be changed by others than its owner, or nothing. A folder or file that
// only its owner's own group (a user private group) may also write counts as the owner's.
std::optional<QString> writableByOthers(const QString &path);

} // namespace qv
