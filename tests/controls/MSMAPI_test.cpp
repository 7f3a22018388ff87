// The mail module: invisible session and message objects with their settings, which reach no mail
// system; malformed blocks refused.

#include "support/control_module_cases.h"

namespace qv::test
{
namespace
{

constexpr auto session = manifestClassId("MSMAPI.MAPISession");
constexpr auto messages = manifestClassId("MSMAPI.MAPIMessages");
constexpr auto blockOf = iconBlock(1005);

std::vector<InvisibleObject> madeObjects()
{
    constexpr auto storedSession = settings::makeBlock<540>(
        1005, 1005, std::array { Property::integer("DownloadMail", 1), Property::integer("LogonUI", 1) });
    constexpr auto storedMessages
        = settings::makeBlock<800>(1005, 1005, std::array { Property::integer("AddressEditFieldCount", 1) });
    return {
        { "StoredSession",
          session,
          storedSession,
          { { "DownloadMail", true },
            { "LogonUI", true },
            { "NewSession", false },
            { "UserName", QString() } } },
        { "NamedNewSession",
          session,
          blockOf(std::array { Property::integer("DownloadMail", 0), Property::integer("NewSession", 1),
                               Property::string("UserName", "Operator") }),
          { { "DownloadMail", false }, { "NewSession", true }, { "UserName", QStringLiteral("Operator") } } },
        { "StoredMessages",
          messages,
          storedMessages,
          { { "AddressEditFieldCount", 1 },
            { "AddressModifiable", false },
            { "AddressResolveUI", false },
            { "FetchSorted", false },
            { "FetchUnreadOnly", true } } },
        { "SortedMessagesWithAllFields",
          messages,
          blockOf(std::array { Property::integer("AddressEditFieldCount", 4),
                               Property::integer("FetchSorted", 1), Property::integer("FetchUnreadOnly", 0),
                               Property::string("AddressCaption", "Recipients") }),
          { { "AddressEditFieldCount", 4 },
            { "FetchSorted", true },
            { "FetchUnreadOnly", false },
            { "AddressCaption", QStringLiteral("Recipients") } } },
    };
}

std::vector<MalformedBlock> badBlocks()
{
    return {
        { "SessionFlagNotAFlag", session, blockOf(std::array { Property::integer("LogonUI", 2) }),
          "LogonUI is 2" },
        { "SessionUserNameAsNumber", session, blockOf(std::array { Property::integer("UserName", 1) }),
          "UserName holds a number" },
        { "MessagesTooManyFields", messages,
          blockOf(std::array { Property::integer("AddressEditFieldCount", 5) }),
          "AddressEditFieldCount is 5" },
        { "MessagesFlagAsText", messages, blockOf(std::array { Property::string("FetchSorted", "yes") }),
          "FetchSorted holds a text" },
        { "MessagesHeadCutShort", messages, headCutShort(15), "16-byte head" },
        { "HeadCutShort", session, headCutShort(10), "16-byte head" },
        { "UnknownClass", unknownClass, blockOf(noState), "MSMAPI32.OCX has no class" },
    };
}

using MSMAPIObject = InvisibleObjectTest;
TEST_P(MSMAPIObject, HoldsItsSavedStateAndIsNoWidget)
{
    expectHoldsItsSavedState("msmapi32", GetParam());
}
INSTANTIATE_TEST_SUITE_P(SavedStates, MSMAPIObject, ::testing::ValuesIn(madeObjects()), rowName);

using MSMAPIBadBlock = MalformedBlockTest;
TEST_P(MSMAPIBadBlock, IsRefusedWithItsFault)
{
    expectRefused("msmapi32", GetParam());
}
INSTANTIATE_TEST_SUITE_P(Blocks, MSMAPIBadBlock, ::testing::ValuesIn(badBlocks()), rowName);

} // namespace
} // namespace qv::test
