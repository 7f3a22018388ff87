// The Internet transfer module: an invisible object with its protocol, access type, time-out and
// address, which opens no connection; malformed blocks refused.

#include "support/control_module_cases.h"

namespace qv::test
{
namespace
{

constexpr auto inet = manifestClassId("InetCtlsObjects.Inet");
constexpr auto blockOf = iconBlock(1005);

std::vector<InvisibleObject> madeObjects()
{
    constexpr auto stored = settings::makeBlock<58>(
        1005, 1005, std::array { Property::integer("Protocol", 4), Property::integer("AccessType", 0) });
    return {
        { "StoredBlock",
          inet,
          stored,
          { { "Protocol", 4 }, { "AccessType", 0 }, { "RequestTimeout", 60 }, { "URL", QString() } } },
        { "Defaults",
          inet,
          blockOf(noState),
          { { "Protocol", 1 }, { "AccessType", 0 }, { "RequestTimeout", 60 } } },
        { "HttpsThroughAProxy",
          inet,
          blockOf(std::array { Property::integer("Protocol", 5), Property::integer("AccessType", 2),
                               Property::integer("RequestTimeout", 0),
                               Property::string("URL", "https://example.org/file.txt") }),
          { { "Protocol", 5 },
            { "AccessType", 2 },
            { "RequestTimeout", 0 },
            { "URL", QStringLiteral("https://example.org/file.txt") } } },
        { "Ftp",
          inet,
          blockOf(std::array { Property::string("URL", "ftp://ftp.example.org/pub") }),
          { { "URL", QStringLiteral("ftp://ftp.example.org/pub") } } },
    };
}

std::vector<MalformedBlock> badBlocks()
{
    const auto url
        = [](std::string_view address) { return blockOf(std::array { Property::string("URL", address) }); };
    return {
        { "ProtocolUnknown", inet, blockOf(std::array { Property::integer("Protocol", 6) }),
          "Protocol is 6" },
        { "ProtocolRetired", inet, blockOf(std::array { Property::integer("Protocol", 3) }), "Gopher" },
        { "AccessTypeUnknown", inet, blockOf(std::array { Property::integer("AccessType", 3) }),
          "AccessType is 3" },
        { "TimeoutNegative", inet, blockOf(std::array { Property::integer("RequestTimeout", -5) }),
          "RequestTimeout is -5" },
        { "UrlWithoutScheme", inet, url("example.org"), "URL \"example.org\" is not" },
        { "UrlOfOtherScheme", inet, url("mailto:someone@example.org"), "not an ftp, http or https address" },
        { "UrlWithASpace", inet, url("http://exa mple.org"), "not an ftp, http or https address" },
        { "HeadCutShort", inet, headCutShort(10), "16-byte head" },
        { "UnknownClass", unknownClass, blockOf(noState), "MSINET.OCX has no class" },
    };
}

using InetCtlsObjectsObject = InvisibleObjectTest;
TEST_P(InetCtlsObjectsObject, HoldsItsSavedStateAndIsNoWidget)
{
    expectHoldsItsSavedState("msinet", GetParam());
}
INSTANTIATE_TEST_SUITE_P(SavedStates, InetCtlsObjectsObject, ::testing::ValuesIn(madeObjects()), rowName);

using InetCtlsObjectsBadBlock = MalformedBlockTest;
TEST_P(InetCtlsObjectsBadBlock, IsRefusedWithItsFault)
{
    expectRefused("msinet", GetParam());
}
INSTANTIATE_TEST_SUITE_P(Blocks, InetCtlsObjectsBadBlock, ::testing::ValuesIn(badBlocks()), rowName);

} // namespace
} // namespace qv::test
