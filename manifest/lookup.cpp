// A catalog's classes by library, the manifest's package files, and the invariants the program relies on,
// checked when it is built.

#include "manifest.h"

namespace qv::manifest
{

namespace
{
constexpr bool classIdentitiesAreDistinct()
{
    for (auto a = classTable.begin(); a != classTable.end(); ++a) {
        for (auto b = a + 1; b != classTable.end(); ++b) {
            if (a->clsid == b->clsid || a->progId == b->progId)
                return false;
        }
    }
    return true;
}
static_assert(classIdentitiesAreDistinct(), "two classes share a CLSID or a programmatic identifier");

// Every class names a library of the table, and every library supplies a class.
constexpr bool everyClassHasItsLibraryAndEveryLibraryAClass()
{
    for (const ClassRecord &c : classTable) {
        if (!findLibrary(c.libraryFile))
            return false;
    }
    for (const LibraryRecord &l : libraryTable) {
        if (std::none_of(classTable.begin(), classTable.end(),
                         [&](const ClassRecord &c) { return c.libraryFile == l.file; }))
            return false;
    }
    return true;
}
static_assert(everyClassHasItsLibraryAndEveryLibraryAClass());
} // namespace

std::vector<const ClassRecord *> Catalog::classesOf(std::string_view libraryFile) const
{
    std::vector<const ClassRecord *> out;
    for (const ClassRecord &c : classes) {
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
