#pragma once
// Looks at a module file before the loader maps it. The dynamic loader maps a file cut short as if it were
// whole, and the first touch of a missing page then kills the process; libelf does not complain of a missing
// section table, and Qt's plugin loader, which refuses a file whose loadable segments reach past its end,
// says so in its own words without the numbers. So the file's length is held against its section table and
// against every loadable segment here, and a short file is refused with the numbers. A file that is not ELF,
// or whose program headers libelf cannot read, is left to the plugin loader.

#include <quorvane/outcome.h>

#include <QString>

namespace qv
{

// Passes when the file's section table and its loadable segments lie within it (or it is not ELF at all,
// which the plugin loader says); fails with why the file cannot be a whole shared object.
Outcome<> checkModuleFile(const QString &path);

} // namespace qv
