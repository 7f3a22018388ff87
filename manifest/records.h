#pragma once
// The records of the control library manifest. The tables of them are generated from
// manifest/control_libraries.json (manifest/tables.h in the build tree); manifest.h is the way in.

#include <optional>
#include <string_view>

namespace qv::manifest
{

struct Version {
    int major = 0;
    int minor = 0;
    constexpr bool operator==(const Version &) const = default;
};

struct LibraryRecord {
    std::string_view file; // e.g. "MSCOMCTL.OCX"
    std::string_view typeLibrary; // the first part of each class's programmatic identifier
    std::optional<Version> version; // none where the project records none
    int locale = 0;
};

struct ClassRecord {
    std::string_view progId; // "<type library>.<class name>"
    std::string_view className;
    std::string_view libraryFile;
    std::string_view clsid;
    bool visible = true; // an invisible instance has no window at run time
    std::string_view instance; // the showcase window's instance of the class
};

struct ObjectLibrary {
    std::string_view name;
    Version version;
    int locale;
};

} // namespace qv::manifest
