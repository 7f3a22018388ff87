// The stored-settings block: its head, and a reader that checks everything it reads.

#include "controls/interface/settings_block.h"
#include "support/named_rows.h"

#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace qv::settings
{
namespace
{

TEST(SettingsBlockHead, ExtentsAreTwipsInHundredthsOfAMillimetreRoundedHalfUp)
{
    EXPECT_EQ(twipsToHimetric(2655), 4683); // MSHFlexGrid1
    EXPECT_EQ(twipsToHimetric(2355), 4154);
    EXPECT_EQ(twipsToHimetric(2700), 4763); // MonthView1: 4762.5
    EXPECT_EQ(twipsToHimetric(2370), 4180);
}

TEST(SettingsBlockHead, RoundTripsThroughTheReader)
{
    constexpr auto bytes = makeBlock<60>(
        1005, 1005,
        std::array { Property::integer("CommPort", 1), Property::string("Settings", "9600,n,8,1") });
    const auto read = readBlock(bytes);
    ASSERT_TRUE(read) << qPrintable(read.failure().explanation());
    const Block &block = read.value();
    EXPECT_EQ(block.extentX, 1005);
    EXPECT_EQ(block.extentY, 1005);
    EXPECT_EQ(block.state.integer(u"CommPort"), 1);
    EXPECT_EQ(block.state.text(u"Settings"), QStringLiteral("9600,n,8,1"));
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x21u) << "little-endian marker";
    EXPECT_EQ(static_cast<unsigned char>(bytes[3]), 0x12u);
}

TEST(SettingsBlockHead, AloneIsAControlThatSavedNothing)
{
    constexpr auto bytes = makeBlock<16>(1005, 1005, std::array<Property, 0> {});
    const auto read = readBlock(bytes);
    ASSERT_TRUE(read) << qPrintable(read.failure().explanation());
    const Block &block = read.value();
    EXPECT_TRUE(block.state.entries().empty());
}

TEST(NamedSettings, HoldsTheCoolBarKeys)
{
    constexpr auto bytes = makeNamedSettings<464>(
        std::array { Property::integer("_extentx", 7435), Property::integer("_extenty", 1429),
                     Property::integer("_cbwidth", 4215), Property::integer("_cbheight", 810),
                     Property::integer("_version", 393216), Property::integer("minheight1", 360),
                     Property::integer("width1", 1400), Property::integer("newrow1", 0) });
    const auto read = readNamedSettings(bytes);
    ASSERT_TRUE(read) << qPrintable(read.failure().explanation());
    const PropertyBag &bag = read.value();
    EXPECT_EQ(bag.integer(u"_cbwidth"), 4215);
    EXPECT_EQ(bag.integer(u"width1"), 1400);
    EXPECT_FALSE(bag.text(u"width1")) << "an integer is not a text";
}

struct Malformed {
    const char *name;
    std::vector<unsigned char> bytes;
    const char *fault;
};
using qv::test::PrintTo;

std::vector<unsigned char> head(std::vector<unsigned char> state)
{
    std::vector<unsigned char> b { 0x21, 0x43, 0x34, 0x12, 8, 0, 0, 0, 100, 0, 0, 0, 100, 0, 0, 0 };
    b.insert(b.end(), state.begin(), state.end());
    return b;
}

class MalformedBlock : public ::testing::TestWithParam<Malformed>
{
};

TEST_P(MalformedBlock, IsRefusedWithItsFault)
{
    const auto &raw = GetParam().bytes;
    const auto read = readBlock(std::as_bytes(std::span(raw)));
    ASSERT_FALSE(read);
    const QString error = read.failure().explanation();
    EXPECT_TRUE(error.contains(QLatin1String(GetParam().fault))) << qPrintable(error);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, MalformedBlock,
    ::testing::Values(
        Malformed { "Empty", {}, "shorter than its 16-byte head" },
        Malformed { "ShortHead", { 0x21, 0x43, 0x34, 0x12, 8, 0 }, "shorter than its 16-byte head" },
        Malformed {
            "WrongMarker", { 0x21, 0x43, 0x34, 0x13, 8, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0 }, "marker" },
        Malformed { "WrongHeadVersion",
                    { 0x21, 0x43, 0x34, 0x12, 9, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0 },
                    "where 8 belongs" },
        Malformed { "NegativeExtent",
                    { 0x21, 0x43, 0x34, 0x12, 8, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 0, 0 },
                    "negative" },
        Malformed { "HalfAPropertyCount", head({ 1 }), "count is cut short" },
        Malformed { "NameRunsPastEnd", head({ 1, 0, 200, 'A' }), "runs past the end" },
        Malformed { "BadNameCharacter", head({ 1, 0, 1, '%', 1, 0, 0, 0, 0 }), "not allowed" },
        Malformed { "UnknownType", head({ 1, 0, 1, 'A', 7 }), "unknown type 7" },
        Malformed { "ValueRunsPastEnd", head({ 1, 0, 1, 'A', 1, 0, 0 }), "runs past the end" },
        Malformed { "TextRunsPastEnd", head({ 1, 0, 1, 'A', 2, 0xFF, 0xFF, 'x' }), "runs past the end" },
        Malformed { "CountBeyondContent", head({ 5, 0, 1, 'A', 1, 0, 0, 0, 0 }), "property 2 of 5" }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace qv::settings
