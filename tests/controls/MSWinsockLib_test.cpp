// The Winsock module: an invisible object with its protocol, host and ports, which opens no socket;
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

constexpr QStringView winsock = u"{248DD896-BB45-11CF-9ABC-0080C7E7B78D}";
using settings::Property;

// A block as the form stores it for an invisible instance: the design-time icon's size, then the state.
template<std::size_t P>
std::vector<std::byte> blockOf(const std::array<Property, P> &state, std::int32_t iconSize = 741)
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
    const auto stored = settings::makeBlock<40>(741, 741, std::array { Property::integer("Protocol", 0) });
    return {
        { "StoredBlock",
          winsock,
          { stored.begin(), stored.end() },
          { { "Protocol", 0 }, { "RemoteHost", QString() }, { "RemotePort", 0 }, { "LocalPort", 0 } } },
        { "UdpToAHost",
          winsock,
          blockOf(
              std::array { Property::integer("Protocol", 1), Property::string("RemoteHost", "example.org"),
                           Property::integer("RemotePort", 65535), Property::integer("LocalPort", 1001) }),
          { { "Protocol", 1 },
            { "RemoteHost", QStringLiteral("example.org") },
            { "RemotePort", 65535 },
            { "LocalPort", 1001 } } },
        { "ToAnAddress",
          winsock,
          blockOf(std::array { Property::string("RemoteHost", "192.0.2.7") }),
          { { "RemoteHost", QStringLiteral("192.0.2.7") } } },
    };
}

std::vector<BadBlock> badBlocks()
{
    return {
        { "ProtocolUnknown", winsock, blockOf(std::array { Property::integer("Protocol", 2) }),
          "Protocol is 2" },
        { "PortTooHigh", winsock, blockOf(std::array { Property::integer("RemotePort", 65536) }),
          "RemotePort is 65536" },
        { "LocalPortNegative", winsock, blockOf(std::array { Property::integer("LocalPort", -1) }),
          "LocalPort is -1" },
        { "HostWithASpace", winsock, blockOf(std::array { Property::string("RemoteHost", "local host") }),
          "RemoteHost \"local host\" is not a host name" },
        { "HostAsNumber", winsock, blockOf(std::array { Property::integer("RemoteHost", 7) }),
          "RemoteHost holds a number" },
        { "HeadCutShort", winsock, std::vector<std::byte>(10), "16-byte head" },
        { "UnknownClass", u"{00000000-0000-0000-0000-000000000000}", blockOf(std::array<Property, 0> {}),
          "MSWINSCK.OCX has no class" },
    };
}

class MSWinsockLibObject : public ::testing::TestWithParam<MadeObject>
{
};

TEST_P(MSWinsockLibObject, HoldsItsSavedStateAndIsNoWidget)
{
    const MadeObject &row = GetParam();
    QWidget container;
    ControlLibrary::Creation made = loadModule("mswinsck")->create(row.clsid, row.block, container);
    ASSERT_NE(made.object, nullptr) << qPrintable(made.error);
    EXPECT_FALSE(made.object->isWidgetType());
    EXPECT_EQ(made.object->parent(), &container);
    for (const auto &[property, expected] : row.properties) {
        const QVariant actual = made.object->property(property);
        EXPECT_EQ(actual, expected) << property << " is " << qPrintable(actual.toString());
    }
}

INSTANTIATE_TEST_SUITE_P(SavedStates, MSWinsockLibObject, ::testing::ValuesIn(madeObjects()),
                         nameOf<MadeObject>);

class MSWinsockLibBadBlock : public ::testing::TestWithParam<BadBlock>
{
};

TEST_P(MSWinsockLibBadBlock, IsRefusedWithItsFault)
{
    const BadBlock &row = GetParam();
    QWidget container;
    ControlLibrary::Creation made = loadModule("mswinsck")->create(row.clsid, row.block, container);
    EXPECT_EQ(made.object, nullptr);
    EXPECT_TRUE(made.error.contains(QLatin1String(row.fault))) << qPrintable(made.error);
    EXPECT_TRUE(container.children().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Blocks, MSWinsockLibBadBlock, ::testing::ValuesIn(badBlocks()), nameOf<BadBlock>);

} // namespace
} // namespace qv::test
