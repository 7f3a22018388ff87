// The picture clip module: an invisible object with its grid and clipping region; malformed blocks
// refused.

#include "support/control_module_cases.h"

namespace qv::test
{
namespace
{

constexpr auto pictureClip = manifestClassId("PicClip.PictureClip");
constexpr auto blockOf = iconBlock(1508);

std::vector<InvisibleObject> madeObjects()
{
    constexpr auto stored = settings::makeBlock<36>(1508, 1296, std::array { Property::integer("Rows", 1) });
    return {
        { "StoredBlock",
          pictureClip,
          stored,
          { { "Rows", 1 }, { "Cols", 1 }, { "ClipX", 0 }, { "ClipWidth", 0 } } },
        { "GridAndRegion",
          pictureClip,
          blockOf(std::array { Property::integer("Rows", 4), Property::integer("Cols", 3),
                               Property::integer("ClipX", 10), Property::integer("ClipY", 20),
                               Property::integer("ClipWidth", 30), Property::integer("ClipHeight", 40) }),
          { { "Rows", 4 },
            { "Cols", 3 },
            { "ClipX", 10 },
            { "ClipY", 20 },
            { "ClipWidth", 30 },
            { "ClipHeight", 40 } } },
    };
}

std::vector<MalformedBlock> badBlocks()
{
    return {
        { "NoRows", pictureClip, blockOf(std::array { Property::integer("Rows", 0) }), "Rows is 0" },
        { "TooManyColumns", pictureClip, blockOf(std::array { Property::integer("Cols", 1025) }),
          "Cols is 1025" },
        { "NegativeRegion", pictureClip, blockOf(std::array { Property::integer("ClipWidth", -1) }),
          "ClipWidth is -1" },
        { "RegionAsText", pictureClip, blockOf(std::array { Property::string("ClipY", "0") }),
          "ClipY holds a text" },
        { "HeadCutShort", pictureClip, headCutShort(10), "16-byte head" },
        { "UnknownClass", unknownClass, blockOf(noState), "PICCLP32.OCX has no class" },
    };
}

using PicClipObject = InvisibleObjectTest;
TEST_P(PicClipObject, HoldsItsSavedStateAndIsNoWidget)
{
    expectHoldsItsSavedState("picclp32", GetParam());
}
INSTANTIATE_TEST_SUITE_P(SavedStates, PicClipObject, ::testing::ValuesIn(madeObjects()), rowName);

using PicClipBadBlock = MalformedBlockTest;
TEST_P(PicClipBadBlock, IsRefusedWithItsFault)
{
    expectRefused("picclp32", GetParam());
}
INSTANTIATE_TEST_SUITE_P(Blocks, PicClipBadBlock, ::testing::ValuesIn(badBlocks()), rowName);

} // namespace
} // namespace qv::test
