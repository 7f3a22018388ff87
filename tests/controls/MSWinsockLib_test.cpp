// The Winsock module: an invisible object with its protocol, host and ports, which opens no socket;
// malformed blocks refused.

#include "support/control_module_cases.h"

namespace qv::test
{
namespace
{

constexpr auto winsock = manifestClassId("MSWinsockLib.Winsock");
constexpr auto blockOf = iconBlock(741);

std::vector<InvisibleObject> madeObjects()
{
    constexpr auto stored
        = settings::makeBlock<40>(741, 741, std::array { Property::integer("Protocol", 0) });
    return {
        { "StoredBlock",
          winsock,
          stored,
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

std::vector<MalformedBlock> badBlocks()
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
        { "HeadCutShort", winsock, headCutShort(10), "16-byte head" },
        { "UnknownClass", unknownClass, blockOf(noState), "MSWINSCK.OCX has no class" },
    };
}

using MSWinsockLibObject = InvisibleObjectTest;
TEST_P(MSWinsockLibObject, HoldsItsSavedStateAndIsNoWidget)
{
    expectHoldsItsSavedState("mswinsck", GetParam());
}
INSTANTIATE_TEST_SUITE_P(SavedStates, MSWinsockLibObject, ::testing::ValuesIn(madeObjects()), rowName);

using MSWinsockLibBadBlock = MalformedBlockTest;
TEST_P(MSWinsockLibBadBlock, IsRefusedWithItsFault)
{
    expectRefused("mswinsck", GetParam());
}
INSTANTIATE_TEST_SUITE_P(Blocks, MSWinsockLibBadBlock, ::testing::ValuesIn(badBlocks()), rowName);

} // namespace
} // namespace qv::test
