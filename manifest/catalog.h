#pragma once
// A set of control libraries and their classes, as the runtime checks installed modules against it: the
// program's own manifest (manifest.h), or a set a benchmark or a test brings along.

#include "manifest/records.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

namespace qv::manifest
{

struct Catalog {
    std::span<const LibraryRecord> libraries;
    std::span<const ClassRecord> classes; // each library's classes together

    // The class with that programmatic identifier (exact, as stored), or null.
    constexpr const ClassRecord *findClass(std::string_view progId) const
    {
        const auto it = std::find_if(classes.begin(), classes.end(),
                                     [&](const ClassRecord &c) { return c.progId == progId; });
        return it != classes.end() ? &*it : nullptr;
    }
    constexpr const LibraryRecord *findLibrary(std::string_view file) const
    {
        const auto it = std::find_if(libraries.begin(), libraries.end(),
                                     [&](const LibraryRecord &l) { return l.file == file; });
        return it != libraries.end() ? &*it : nullptr;
    }
    std::vector<const ClassRecord *> classesOf(std::string_view libraryFile) const;
};

} // namespace qv::manifest
