// The picture clip module: an invisible object with its grid and clipping region; malformed blocks
// refused.

#include "controls/interface/settings_block.h"
#include "support/control_module.h"

#include <QVariant>
#include <string>
#include <utility>
#include <vector>

namespace qv::test
{
namespace
{

constexpr QStringView pictureClip = u"{27395F85-0C0C-101B-A3C9-08002B2F49FB}";
using settings::Property;

// A block as the form stores it for an invisible instance: the design-time icon's size, then the state.
template<std::size_t P>
std::vector<std::byte> blockOf(const std::array<Property, P> &state, std::int32_t iconSize = 1508)
{
    const auto block = settings::makeBlock<256>(iconSize, iconSize, state);
    return { block.begin(), block.end() };
}

template<class Row> std::string nameOf(const ::testing::TestParamInfo<Row> &row)
{
    return row.param.name;
}

struct MadeObject {
    const char *name;
    QStringView clsid;
    std::vector<std::byte> block;
    std::vector<std::pair<const char *, QVariant>> properties;
};

void PrintTo(const MadeObject &row, std::ostream *out)
{
    *out << row.name;
}

struct BadBlock {
    const char *name;
    QStringView clsid;
    std::vector<std::byte> block;
    const char *fault;
};

void PrintTo(const BadBlock &row, std::ostream *out)
{
    *out << row.name;
}

std::vector<MadeObject> madeObjects()
{
    const auto stored = settings::makeBlock<36>(1508, 1296, std::array { Property::integer("Rows", 1) });
    return {
        { "StoredBlock",
          pictureClip,
          { stored.begin(), stored.end() },
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

std::vector<BadBlock> badBlocks()
{
    return {
        { "NoRows", pictureClip, blockOf(std::array { Property::integer("Rows", 0) }), "Rows is 0" },
        { "TooManyColumns", pictureClip, blockOf(std::array { Property::integer("Cols", 1025) }),
          "Cols is 1025" },
        { "NegativeRegion", pictureClip, blockOf(std::array { Property::integer("ClipWidth", -1) }),
          "ClipWidth is -1" },
        { "RegionAsText", pictureClip, blockOf(std::array { Property::string("ClipY", "0") }),
          "ClipY holds a text" },
        { "HeadCutShort", pictureClip, std::vector<std::byte>(10), "16-byte head" },
        { "UnknownClass", u"{00000000-0000-0000-0000-000000000000}", blockOf(std::array<Property, 0> {}),
          "PICCLP32.OCX has no class" },
    };
}

class PicClipObject : public ::testing::TestWithParam<MadeObject>
{
};

TEST_P(PicClipObject, HoldsItsSavedStateAndIsNoWidget)
{
    const MadeObject &row = GetParam();
    QWidget container;
    ControlLibrary::Creation made = loadModule("picclp32")->create(row.clsid, row.block, container);
    ASSERT_NE(made.object, nullptr) << qPrintable(made.error);
    EXPECT_FALSE(made.object->isWidgetType());
    EXPECT_EQ(made.object->parent(), &container);
    for (const auto &[property, expected] : row.properties) {
        const QVariant actual = made.object->property(property);
        EXPECT_EQ(actual, expected) << property << " is " << qPrintable(actual.toString());
    }
}

INSTANTIATE_TEST_SUITE_P(SavedStates, PicClipObject, ::testing::ValuesIn(madeObjects()), nameOf<MadeObject>);

class PicClipBadBlock : public ::testing::TestWithParam<BadBlock>
{
};

TEST_P(PicClipBadBlock, IsRefusedWithItsFault)
{
    const BadBlock &row = GetParam();
    QWidget container;
    ControlLibrary::Creation made = loadModule("picclp32")->create(row.clsid, row.block, container);
    EXPECT_EQ(made.object, nullptr);
    EXPECT_TRUE(made.error.contains(QLatin1String(row.fault))) << qPrintable(made.error);
    EXPECT_TRUE(container.children().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Blocks, PicClipBadBlock, ::testing::ValuesIn(badBlocks()), nameOf<BadBlock>);

} // namespace
} // namespace qv::test
