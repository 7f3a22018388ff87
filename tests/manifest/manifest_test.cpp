// The manifest's invariants and the lookups the showcase window relies on.

#include "manifest/manifest.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

namespace qv::manifest
{
namespace
{

TEST(Manifest, HoldsTwentyDistinctLibrariesAndThirtyFourClasses)
{
    std::set<std::string_view> files;
    for (const LibraryRecord &l : libraries())
        files.insert(l.file);
    EXPECT_EQ(files.size(), 20u);
    EXPECT_EQ(libraries().size(), 20u);
    EXPECT_EQ(classes().size(), 34u);
    EXPECT_EQ(builtinClasses().size(), 20u);
}

TEST(Manifest, ClassesPerLibrary)
{
    std::map<std::string_view, int> counts;
    for (const ClassRecord &c : classes())
        ++counts[c.libraryFile];
    for (const LibraryRecord &l : libraries()) {
        const int expected = l.file == "MSCOMCTL.OCX"                ? 9
            : l.file == "MSCOMCT2.OCX"                               ? 5
            : (l.file == "MSDATLST.OCX" || l.file == "MSMAPI32.OCX") ? 2
                                                                     : 1;
        EXPECT_EQ(counts[l.file], expected) << l.file;
    }
}

TEST(Manifest, EveryClassNamesAKnownLibraryAndStartsWithItsTypeLibrary)
{
    std::set<std::string_view> clsids;
    for (const ClassRecord &c : classes()) {
        const LibraryRecord *library = findLibrary(c.libraryFile);
        ASSERT_NE(library, nullptr) << c.progId;
        EXPECT_EQ(c.progId, std::string(library->typeLibrary) + "." + std::string(c.className));
        EXPECT_TRUE(clsids.insert(c.clsid).second) << "CLSID used twice: " << c.clsid;
    }
}

TEST(Manifest, VersionsAreRecordedForSeventeenLibraries)
{
    int recorded = 0;
    for (const LibraryRecord &l : libraries()) {
        recorded += l.version.has_value();
        EXPECT_EQ(l.locale, 0);
    }
    EXPECT_EQ(recorded, 17);
    EXPECT_FALSE(findLibrary("COMDLG32.OCX")->version);
    EXPECT_FALSE(findLibrary("MSMAPI32.OCX")->version);
    EXPECT_FALSE(findLibrary("PICCLP32.OCX")->version);
    EXPECT_EQ(findLibrary("MSADODC.OCX")->version, (Version { 6, 0 }));
    EXPECT_EQ(runtimeObjectLibrary.name, "VB");
    EXPECT_EQ(runtimeObjectLibrary.version, (Version { 6, 0 }));
    EXPECT_EQ(runtimeObjectLibrary.locale, 9);
}

struct LookupCase {
    const char *progId;
    const char *file;
    const char *clsid;
    bool visible;
};
void PrintTo(const LookupCase &c, std::ostream *os)
{
    *os << c.progId;
}

class Lookup : public ::testing::TestWithParam<LookupCase>
{
};

TEST_P(Lookup, GivesClassIdentityLibraryAndVisibility)
{
    const ClassRecord *c = findClass(GetParam().progId);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->libraryFile, GetParam().file);
    EXPECT_EQ(c->clsid, GetParam().clsid);
    EXPECT_EQ(c->visible, GetParam().visible);
}

INSTANTIATE_TEST_SUITE_P(Classes, Lookup,
                         ::testing::Values(LookupCase { "MSComctlLib.ImageList", "MSCOMCTL.OCX",
                                                        "{2C247F23-8591-11D1-B16A-00C0F0283628}", false },
                                           LookupCase { "MSComctlLib.Toolbar", "MSCOMCTL.OCX",
                                                        "{66833FE6-8583-11D1-B16A-00C0F0283628}", true },
                                           LookupCase { "MSHierarchicalFlexGridLib.MSHFlexGrid",
                                                        "MSHFLXGD.OCX",
                                                        "{0ECD9B64-23AA-11D0-B351-00A0C9055D8E}", true },
                                           LookupCase { "MSWinsockLib.Winsock", "MSWINSCK.OCX",
                                                        "{248DD896-BB45-11CF-9ABC-0080C7E7B78D}", false }));

TEST(Manifest, UnknownAndMiscasedIdentifiersAreNotFound)
{
    EXPECT_EQ(findClass("MSComctlLib.Nothing"), nullptr);
    EXPECT_EQ(findClass(""), nullptr);
    EXPECT_EQ(findClass("mscomctllib.toolbar"), nullptr);
}

TEST(Manifest, SetupPackageCarriesTheRuntimeThenEveryLibraryInTableOrder)
{
    const auto files = setupPackageFiles();
    ASSERT_EQ(files.size(), 21u);
    EXPECT_EQ(files.front(), "MSVBVM60.DLL");
    EXPECT_EQ(files[1], "TABCTL32.OCX");
    EXPECT_EQ(files.back(), "MSHFLXGD.OCX");
}

} // namespace
} // namespace qv::manifest
