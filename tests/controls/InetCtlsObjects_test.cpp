// The Internet transfer module: an invisible object with its protocol, access type, time-out and
// address, which opens no connection; malformed blocks refused.

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

constexpr QStringView inet = u"{48E59293-9880-11CF-9754-00AA00C00908}";
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
    const auto stored = settings::makeBlock<58>(
        1005, 1005, std::array { Property::integer("Protocol", 4), Property::integer("AccessType", 0) });
    return {
        { "StoredBlock",
          inet,
          { stored.begin(), stored.end() },
          { { "Protocol", 4 }, { "AccessType", 0 }, { "RequestTimeout", 60 }, { "URL", QString() } } },
        { "Defaults",
          inet,
          blockOf(std::array<Property, 0> {}),
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

std::vector<BadBlock> badBlocks()
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
        { "HeadCutShort", inet, std::vector<std::byte>(10), "16-byte head" },
        { "UnknownClass", u"{00000000-0000-0000-0000-000000000000}", blockOf(std::array<Property, 0> {}),
          "MSINET.OCX has no class" },
    };
}

class InetCtlsObjectsObject : public ::testing::TestWithParam<MadeObject>
{
};

TEST_P(InetCtlsObjectsObject, HoldsItsSavedStateAndIsNoWidget)
{
    const MadeObject &row = GetParam();
    QWidget container;
    ControlLibrary::Creation made = loadModule("msinet")->create(row.clsid, row.block, container);
    ASSERT_NE(made.object, nullptr) << qPrintable(made.error);
    EXPECT_FALSE(made.object->isWidgetType());
    EXPECT_EQ(made.object->parent(), &container);
    for (const auto &[property, expected] : row.properties) {
        const QVariant actual = made.object->property(property);
        EXPECT_EQ(actual, expected) << property << " is " << qPrintable(actual.toString());
    }
}

INSTANTIATE_TEST_SUITE_P(SavedStates, InetCtlsObjectsObject, ::testing::ValuesIn(madeObjects()),
                         nameOf<MadeObject>);

class InetCtlsObjectsBadBlock : public ::testing::TestWithParam<BadBlock>
{
};

TEST_P(InetCtlsObjectsBadBlock, IsRefusedWithItsFault)
{
    const BadBlock &row = GetParam();
    QWidget container;
    ControlLibrary::Creation made = loadModule("msinet")->create(row.clsid, row.block, container);
    EXPECT_EQ(made.object, nullptr);
    EXPECT_TRUE(made.error.contains(QLatin1String(row.fault))) << qPrintable(made.error);
    EXPECT_TRUE(container.children().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Blocks, InetCtlsObjectsBadBlock, ::testing::ValuesIn(badBlocks()), nameOf<BadBlock>);

} // namespace
} // namespace qv::test
