#pragma once
// Looks at a module file before the loader maps it. The dynamic loader maps a file that was cut short as if
// it were whole, and the first touch of a missing page then kills the process; the file's own headers say how
// long it must be, so a short file is refused here, with the numbers.

#include <QString>
#include <optional>

namespace qv
{

// Why the file cannot be a whole shared object, or nothing when its headers and its length agree.
std::optional<QString> moduleFileDamage(const QString &path);

} // namespace qv
