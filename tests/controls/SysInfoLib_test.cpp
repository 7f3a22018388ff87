// The system information module: an invisible object, made from a block that is its head alone;
// malformed blocks refused.

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

constexpr QStringView sysInfo = u"{6FBA474B-43AC-11CE-9A0E-00AA0062BB4C}";
using settings::Property;

// A block as the form stores it for an invisible instance: the design-time icon's size, then the state.
template<std::size_t P>
std::vector<std::byte> blockOf(const std::array<Property, P> &state, std::int32_t iconSize = 1005)
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
    const auto stored = settings::makeBlock<16>(1005, 1005, std::array<Property, 0> {});
    return {
        { "StoredBlockIsTheHeadAlone", sysInfo, { stored.begin(), stored.end() }, {} },
        { "PaddedBlock", sysInfo, blockOf(std::array<Property, 0> {}), {} },
    };
}

std::vector<BadBlock> badBlocks()
{
    std::vector<std::byte> wrongMarker = blockOf(std::array<Property, 0> {});
    wrongMarker[3] = std::byte { 0 };
    std::vector<std::byte> badState = blockOf(std::array { Property::integer("Unused", 1) });
    badState[settings::blockHeadSize + 2 + 1 + 6] = std::byte { 9 }; // the property's type
    return {
        { "WrongMarker", sysInfo, wrongMarker, "not the marker" },
        { "StateUnreadable", sysInfo, badState, "unknown type 9" },
        { "HeadCutShort", sysInfo, std::vector<std::byte>(10), "16-byte head" },
        { "UnknownClass", u"{00000000-0000-0000-0000-000000000000}", blockOf(std::array<Property, 0> {}),
          "SYSINFO.OCX has no class" },
    };
}

class SysInfoLibObject : public ::testing::TestWithParam<MadeObject>
{
};

TEST_P(SysInfoLibObject, HoldsItsSavedStateAndIsNoWidget)
{
    const MadeObject &row = GetParam();
    QWidget container;
    ControlLibrary::Creation made = loadModule("sysinfo")->create(row.clsid, row.block, container);
    ASSERT_NE(made.object, nullptr) << qPrintable(made.error);
    EXPECT_FALSE(made.object->isWidgetType());
    EXPECT_EQ(made.object->parent(), &container);
    for (const auto &[property, expected] : row.properties) {
        const QVariant actual = made.object->property(property);
        EXPECT_EQ(actual, expected) << property << " is " << qPrintable(actual.toString());
    }
}

INSTANTIATE_TEST_SUITE_P(SavedStates, SysInfoLibObject, ::testing::ValuesIn(madeObjects()),
                         nameOf<MadeObject>);

class SysInfoLibBadBlock : public ::testing::TestWithParam<BadBlock>
{
};

TEST_P(SysInfoLibBadBlock, IsRefusedWithItsFault)
{
    const BadBlock &row = GetParam();
    QWidget container;
    ControlLibrary::Creation made = loadModule("sysinfo")->create(row.clsid, row.block, container);
    EXPECT_EQ(made.object, nullptr);
    EXPECT_TRUE(made.error.contains(QLatin1String(row.fault))) << qPrintable(made.error);
    EXPECT_TRUE(container.children().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Blocks, SysInfoLibBadBlock, ::testing::ValuesIn(badBlocks()), nameOf<BadBlock>);

} // namespace
} // namespace qv::test
