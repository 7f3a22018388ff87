#pragma once
// A module's classes by CLSID: the one place a module's create() looks a class up.

#include "control_library.h"

#include <span>

namespace qv
{

struct ClassFactory {
    QStringView clsid;
    ControlLibrary::Creation (*create)(std::span<const std::byte> settings, QWidget &container);
};

// Makes an instance of the class with that CLSID (compared without regard to case, as the registry does), or
// says that the library has no such class.
ControlLibrary::Creation createFromTable(std::span<const ClassFactory> classes, QStringView libraryFile,
                                         QStringView clsid, std::span<const std::byte> settings,
                                         QWidget &container);

} // namespace qv
