// The serial communications module: an invisible object with its port and line settings, which opens
// no port; malformed blocks refused.

#include "support/control_module_cases.h"

namespace qv::test
{
namespace
{

constexpr auto msComm = manifestClassId("MSCommLib.MSComm");
constexpr auto blockOf = iconBlock(1005);

std::vector<InvisibleObject> madeObjects()
{
    constexpr auto stored = settings::makeBlock<60>(
        1005, 1005,
        std::array { Property::integer("CommPort", 1), Property::string("Settings", "9600,n,8,1") });
    return {
        { "StoredBlock",
          msComm,
          stored,
          { { "CommPort", 1 }, { "Settings", QStringLiteral("9600,n,8,1") }, { "Handshaking", 0 } } },
        { "Defaults",
          msComm,
          blockOf(noState),
          { { "CommPort", 1 }, { "Settings", QStringLiteral("9600,n,8,1") }, { "Handshaking", 0 } } },
        { "LastPortFastLine",
          msComm,
          blockOf(std::array { Property::integer("CommPort", 16),
                               Property::string("Settings", "115200,E,7,1.5"),
                               Property::integer("Handshaking", 2) }),
          { { "CommPort", 16 }, { "Settings", QStringLiteral("115200,E,7,1.5") }, { "Handshaking", 2 } } },
    };
}

std::vector<MalformedBlock> badBlocks()
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
        { "HeadCutShort", msComm, headCutShort(10), "16-byte head" },
        { "UnknownClass", unknownClass, blockOf(noState), "MSCOMM32.OCX has no class" },
    };
}

using MSCommLibObject = InvisibleObjectTest;
TEST_P(MSCommLibObject, HoldsItsSavedStateAndIsNoWidget)
{
    expectHoldsItsSavedState("mscomm32", GetParam());
}
INSTANTIATE_TEST_SUITE_P(SavedStates, MSCommLibObject, ::testing::ValuesIn(madeObjects()), rowName);

using MSCommLibBadBlock = MalformedBlockTest;
TEST_P(MSCommLibBadBlock, IsRefusedWithItsFault)
{
    expectRefused("mscomm32", GetParam());
}
INSTANTIATE_TEST_SUITE_P(Blocks, MSCommLibBadBlock, ::testing::ValuesIn(badBlocks()), rowName);

} // namespace
} // namespace qv::test
