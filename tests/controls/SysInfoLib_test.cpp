// The system information module: an invisible object, made from a block that is its head alone;
// malformed blocks refused.

#include "support/control_module_cases.h"

namespace qv::test
{
namespace
{

constexpr auto sysInfo = manifestClassId("SysInfoLib.SysInfo");
constexpr auto blockOf = iconBlock(1005);

std::vector<InvisibleObject> madeObjects()
{
    constexpr auto stored = settings::makeBlock<16>(1005, 1005, noState);
    return {
        { "StoredBlockIsTheHeadAlone", sysInfo, stored, {} },
        { "PaddedBlock", sysInfo, blockOf(noState), {} },
    };
}

std::vector<MalformedBlock> badBlocks()
{
    Bytes badState = blockOf(std::array { Property::integer("Unused", 1) });
    badState[settings::blockHeadSize + 2 + 1 + 6] = std::byte { 9 }; // the property's type
    return {
        { "WrongMarker", sysInfo, withWrongMarker(blockOf(noState), 3), "not the marker" },
        { "StateUnreadable", sysInfo, badState, "unknown type 9" },
        { "HeadCutShort", sysInfo, headCutShort(10), "16-byte head" },
        { "UnknownClass", unknownClass, blockOf(noState), "SYSINFO.OCX has no class" },
    };
}

using SysInfoLibObject = InvisibleObjectTest;
TEST_P(SysInfoLibObject, HoldsItsSavedStateAndIsNoWidget)
{
    expectHoldsItsSavedState("sysinfo", GetParam());
}
INSTANTIATE_TEST_SUITE_P(SavedStates, SysInfoLibObject, ::testing::ValuesIn(madeObjects()), rowName);

using SysInfoLibBadBlock = MalformedBlockTest;
TEST_P(SysInfoLibBadBlock, IsRefusedWithItsFault)
{
    expectRefused("sysinfo", GetParam());
}
INSTANTIATE_TEST_SUITE_P(Blocks, SysInfoLibBadBlock, ::testing::ValuesIn(badBlocks()), rowName);

} // namespace
} // namespace qv::test
