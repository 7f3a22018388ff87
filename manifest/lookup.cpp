// Lookup and enumeration over the manifest's tables.

#include "manifest.h"

#include <algorithm>

namespace qv::manifest
{

const ClassRecord *findClass(std::string_view progId)
{
    const auto all = classes();
    const auto it
        = std::find_if(all.begin(), all.end(), [&](const ClassRecord &c) { return c.progId == progId; });
    return it != all.end() ? &*it : nullptr;
}

const LibraryRecord *findLibrary(std::string_view file)
{
    const auto all = libraries();
    const auto it
        = std::find_if(all.begin(), all.end(), [&](const LibraryRecord &l) { return l.file == file; });
    return it != all.end() ? &*it : nullptr;
}

std::vector<const ClassRecord *> classesOf(std::string_view libraryFile)
{
    std::vector<const ClassRecord *> out;
    for (const ClassRecord &c : classes()) {
        if (c.libraryFile == libraryFile)
            out.push_back(&c);
    }
    return out;
}

std::vector<std::string_view> setupPackageFiles()
{
    std::vector<std::string_view> files { formsRuntimeFile };
    for (const LibraryRecord &l : libraries())
        files.push_back(l.file);
    return files;
}

} // namespace qv::manifest
