#pragma once
// Looks at a module file before the loader maps it. Qt's plugin loader refuses a file that is not ELF, or
// whose program headers or loadable segments reach past its end, each in its own words. It does not look at
// the section header table, nor does libelf complain of one that is missing; yet the dynamic loader maps a
// file cut short there as if it were whole, and the first touch of a missing page then kills the process. So
// that one fault is refused here, with the numbers.

#include <QString>
#include <optional>

namespace qv
{

// Why the file cannot be a whole shared object, or nothing when its section table lies within it (or it is
// not ELF at all, which the plugin loader says).
std::optional<QString> moduleFileDamage(const QString &path);

} // namespace qv
