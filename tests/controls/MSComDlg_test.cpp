// The common dialog module: an invisible object with its dialog settings, which shows no dialog;
// malformed blocks refused.

#include "support/control_module_cases.h"

namespace qv::test
{
namespace
{

constexpr auto commonDialog = manifestClassId("MSComDlg.CommonDialog");
constexpr auto blockOf = iconBlock(847);

std::vector<InvisibleObject> madeObjects()
{
    constexpr auto stored
        = settings::makeBlock<76>(847, 847, std::array { Property::integer("CancelError", 0) });
    return {
        { "StoredBlock",
          commonDialog,
          stored,
          { { "CancelError", false },
            { "DialogTitle", QString() },
            { "Filter", QString() },
            { "FilterIndex", 0 },
            { "Flags", 0 } } },
        { "FilteredOpen",
          commonDialog,
          blockOf(std::array { Property::integer("CancelError", 1), Property::string("DialogTitle", "Open"),
                               Property::string("Filter", "Text (*.txt)|*.txt|All files|*.*"),
                               Property::integer("FilterIndex", 2), Property::integer("Flags", 4096) }),
          { { "CancelError", true },
            { "DialogTitle", QStringLiteral("Open") },
            { "Filter", QStringLiteral("Text (*.txt)|*.txt|All files|*.*") },
            { "FilterIndex", 2 },
            { "Flags", 4096 } } },
    };
}

std::vector<MalformedBlock> badBlocks()
{
    return {
        { "CancelErrorNotAFlag", commonDialog, blockOf(std::array { Property::integer("CancelError", -1) }),
          "CancelError is -1" },
        { "FilterWithoutPattern", commonDialog,
          blockOf(std::array { Property::string("Filter", "Text|*.txt|All") }),
          "is not pairs of description and pattern" },
        { "FilterWithEmptyPattern", commonDialog,
          blockOf(std::array { Property::string("Filter", "Text| ") }),
          "is not pairs of description and pattern" },
        { "FilterIndexPastTheFilter", commonDialog,
          blockOf(
              std::array { Property::string("Filter", "Text|*.txt"), Property::integer("FilterIndex", 2) }),
          "FilterIndex is 2, but Filter has 1 pair(s)" },
        { "FilterIndexWithoutFilter", commonDialog,
          blockOf(std::array { Property::integer("FilterIndex", 1) }), "Filter has 0 pair(s)" },
        { "FlagsNegative", commonDialog, blockOf(std::array { Property::integer("Flags", -2) }),
          "Flags is -2" },
        { "HeadCutShort", commonDialog, headCutShort(10), "16-byte head" },
        { "UnknownClass", unknownClass, blockOf(noState), "COMDLG32.OCX has no class" },
    };
}

using MSComDlgObject = InvisibleObjectTest;
TEST_P(MSComDlgObject, HoldsItsSavedStateAndIsNoWidget)
{
    expectHoldsItsSavedState("comdlg32", GetParam());
}
INSTANTIATE_TEST_SUITE_P(SavedStates, MSComDlgObject, ::testing::ValuesIn(madeObjects()), rowName);

using MSComDlgBadBlock = MalformedBlockTest;
TEST_P(MSComDlgBadBlock, IsRefusedWithItsFault)
{
    expectRefused("comdlg32", GetParam());
}
INSTANTIATE_TEST_SUITE_P(Blocks, MSComDlgBadBlock, ::testing::ValuesIn(badBlocks()), rowName);

} // namespace
} // namespace qv::test
