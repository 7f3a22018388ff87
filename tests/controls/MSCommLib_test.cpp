// The serial communications module: an invisible object with its port and line settings, which opens
// no port; malformed blocks refused.

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

constexpr QStringView msComm = u"{648A5600-2C6E-101B-82B6-000000000014}";
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
    const auto stored = settings::makeBlock<60>(
        1005, 1005,
        std::array { Property::integer("CommPort", 1), Property::string("Settings", "9600,n,8,1") });
    return {
        { "StoredBlock",
          msComm,
          { stored.begin(), stored.end() },
          { { "CommPort", 1 }, { "Settings", QStringLiteral("9600,n,8,1") }, { "Handshaking", 0 } } },
        { "Defaults",
          msComm,
          blockOf(std::array<Property, 0> {}),
          { { "CommPort", 1 }, { "Settings", QStringLiteral("9600,n,8,1") }, { "Handshaking", 0 } } },
        { "LastPortFastLine",
          msComm,
          blockOf(std::array { Property::integer("CommPort", 16),
                               Property::string("Settings", "115200,E,7,1.5"),
                               Property::integer("Handshaking", 2) }),
          { { "CommPort", 16 }, { "Settings", QStringLiteral("115200,E,7,1.5") }, { "Handshaking", 2 } } },
    };
}

std::vector<BadBlock> badBlocks()
{
    const auto line = [](std::string_view settings) {
        return blockOf(std::array { Property::string("Settings", settings) });
    };
    return {
        { "PortZero", msComm, blockOf(std::array { Property::integer("CommPort", 0) }), "CommPort is 0" },
        { "PortSeventeen", msComm, blockOf(std::array { Property::integer("CommPort", 17) }),
          "CommPort is 17" },
        { "PortAsText", msComm, blockOf(std::array { Property::string("CommPort", "1") }),
          "CommPort holds a text" },
        { "LineCutShort", msComm, line("9600,n,8"), "it has 3 parts" },
        { "LineOddBaudRate", msComm, line("9601,n,8,1"), "9601 is not a baud rate" },
        { "LineParityUnknown", msComm, line("9600,x,8,1"), "the parity x" },
        { "LineNineDataBits", msComm, line("9600,n,9,1"), "9 data bits" },
        { "LineThreeStopBits", msComm, line("9600,n,8,3"), "3 stop bits" },
        { "LineAsNumber", msComm, blockOf(std::array { Property::integer("Settings", 9600) }),
          "Settings holds a number" },
        { "HandshakingUnknown", msComm, blockOf(std::array { Property::integer("Handshaking", 4) }),
          "Handshaking is 4" },
        { "HeadCutShort", msComm, std::vector<std::byte>(10), "16-byte head" },
        { "UnknownClass", u"{00000000-0000-0000-0000-000000000000}", blockOf(std::array<Property, 0> {}),
          "MSCOMM32.OCX has no class" },
    };
}

class MSCommLibObject : public ::testing::TestWithParam<MadeObject>
{
};

TEST_P(MSCommLibObject, HoldsItsSavedStateAndIsNoWidget)
{
    const MadeObject &row = GetParam();
    QWidget container;
    ControlLibrary::Creation made = loadModule("mscomm32")->create(row.clsid, row.block, container);
    ASSERT_NE(made.object, nullptr) << qPrintable(made.error);
    EXPECT_FALSE(made.object->isWidgetType());
    EXPECT_EQ(made.object->parent(), &container);
    for (const auto &[property, expected] : row.properties) {
        const QVariant actual = made.object->property(property);
        EXPECT_EQ(actual, expected) << property << " is " << qPrintable(actual.toString());
    }
}

INSTANTIATE_TEST_SUITE_P(SavedStates, MSCommLibObject, ::testing::ValuesIn(madeObjects()),
                         nameOf<MadeObject>);

class MSCommLibBadBlock : public ::testing::TestWithParam<BadBlock>
{
};

TEST_P(MSCommLibBadBlock, IsRefusedWithItsFault)
{
    const BadBlock &row = GetParam();
    QWidget container;
    ControlLibrary::Creation made = loadModule("mscomm32")->create(row.clsid, row.block, container);
    EXPECT_EQ(made.object, nullptr);
    EXPECT_TRUE(made.error.contains(QLatin1String(row.fault))) << qPrintable(made.error);
    EXPECT_TRUE(container.children().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Blocks, MSCommLibBadBlock, ::testing::ValuesIn(badBlocks()), nameOf<BadBlock>);

} // namespace
} // namespace qv::test
