#pragma once
// The control library manifest: every control library and class the program refers to. A setup package
// carries every library listed here; at run time each class in it is created once, by the showcase window.
// Read-only data, complete when the program starts.

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

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

// The forms runtime's own object library, which the project also refers to.
inline constexpr ObjectLibrary runtimeObjectLibrary { "VB", { 6, 0 }, 9 };
// The forms runtime itself: the first file a setup package must carry.
inline constexpr std::string_view formsRuntimeFile = "MSVBVM60.DLL";

// In table order.
std::span<const LibraryRecord> libraries();
std::span<const ClassRecord> classes();
// The 20 classes built into the forms runtime, by class name.
std::span<const std::string_view> builtinClasses();

// The class with that programmatic identifier (exact, as stored), or null.
const ClassRecord *findClass(std::string_view progId);
const LibraryRecord *findLibrary(std::string_view file);
std::vector<const ClassRecord *> classesOf(std::string_view libraryFile);
// The files a setup package must carry, in table order: the forms runtime, then every library file.
std::vector<std::string_view> setupPackageFiles();

} // namespace qv::manifest
