// The mail module: invisible session and message objects with their settings, which reach no mail
// system; malformed blocks refused.

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

constexpr QStringView session = u"{20C62CA0-15DA-101B-B9A8-444553540000}";
constexpr QStringView messages = u"{20C62CAB-15DA-101B-B9A8-444553540000}";
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
    const auto storedSession = settings::makeBlock<540>(
        1005, 1005, std::array { Property::integer("DownloadMail", 1), Property::integer("LogonUI", 1) });
    const auto storedMessages
        = settings::makeBlock<800>(1005, 1005, std::array { Property::integer("AddressEditFieldCount", 1) });
    return {
        { "StoredSession",
          session,
          { storedSession.begin(), storedSession.end() },
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
          { storedMessages.begin(), storedMessages.end() },
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

std::vector<BadBlock> badBlocks()
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
        { "MessagesHeadCutShort", messages, std::vector<std::byte>(15), "16-byte head" },
        { "HeadCutShort", session, std::vector<std::byte>(10), "16-byte head" },
        { "UnknownClass", u"{00000000-0000-0000-0000-000000000000}", blockOf(std::array<Property, 0> {}),
          "MSMAPI32.OCX has no class" },
    };
}

class MSMAPIObject : public ::testing::TestWithParam<MadeObject>
{
};

TEST_P(MSMAPIObject, HoldsItsSavedStateAndIsNoWidget)
{
    const MadeObject &row = GetParam();
    QWidget container;
    ControlLibrary::Creation made = loadModule("msmapi32")->create(row.clsid, row.block, container);
    ASSERT_NE(made.object, nullptr) << qPrintable(made.error);
    EXPECT_FALSE(made.object->isWidgetType());
    EXPECT_EQ(made.object->parent(), &container);
    for (const auto &[property, expected] : row.properties) {
        const QVariant actual = made.object->property(property);
        EXPECT_EQ(actual, expected) << property << " is " << qPrintable(actual.toString());
    }
}

INSTANTIATE_TEST_SUITE_P(SavedStates, MSMAPIObject, ::testing::ValuesIn(madeObjects()), nameOf<MadeObject>);

class MSMAPIBadBlock : public ::testing::TestWithParam<BadBlock>
{
};

TEST_P(MSMAPIBadBlock, IsRefusedWithItsFault)
{
    const BadBlock &row = GetParam();
    QWidget container;
    ControlLibrary::Creation made = loadModule("msmapi32")->create(row.clsid, row.block, container);
    EXPECT_EQ(made.object, nullptr);
    EXPECT_TRUE(made.error.contains(QLatin1String(row.fault))) << qPrintable(made.error);
    EXPECT_TRUE(container.children().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Blocks, MSMAPIBadBlock, ::testing::ValuesIn(badBlocks()), nameOf<BadBlock>);

} // namespace
} // namespace qv::test
