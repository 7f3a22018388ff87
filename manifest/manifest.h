#pragma once
// The control library manifest: every control library and class the program refers to. A setup package
// carries every library listed here; at run time each class in it is created once, by the showcase window.
// Read-only data, complete when the program starts, and usable at compile time: its tables are generated from
// manifest/control_libraries.json.

#include "manifest/catalog.h"
#include "manifest/records.h"
#include "manifest/tables.h"

#include <span>
#include <string_view>
#include <vector>

namespace qv::manifest
{

// The program's own libraries and classes.
inline constexpr Catalog program { libraryTable, classTable };

// In table order.
constexpr std::span<const LibraryRecord> libraries()
{
    return libraryTable;
}
constexpr std::span<const ClassRecord> classes()
{
    return classTable;
}
// The 20 classes built into the forms runtime, by class name.
constexpr std::span<const std::string_view> builtinClasses()
{
    return builtinClassNames;
}

constexpr const ClassRecord *findClass(std::string_view progId)
{
    return program.findClass(progId);
}
constexpr const LibraryRecord *findLibrary(std::string_view file)
{
    return program.findLibrary(file);
}
inline std::vector<const ClassRecord *> classesOf(std::string_view libraryFile)
{
    return program.classesOf(libraryFile);
}
// The files a setup package must carry, in table order: the forms runtime, then every library file.
std::vector<std::string_view> setupPackageFiles();

} // namespace qv::manifest
