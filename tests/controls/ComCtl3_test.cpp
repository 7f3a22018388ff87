// The cool bar module: three bands laid out from the named settings, malformed settings refused.

#include "support/control_module_cases.h"

#include <QFrame>
#include <QLayout>

namespace qv::test
{
namespace
{

using settings::makeNamedSettings;

constexpr auto coolBar = manifestClassId("ComCtl3.CoolBar");

// The named settings of a bar 281 x 54 pixels whose bands are 120, 90 and 150 pixels wide.
constexpr auto barSettings(std::int32_t newRow1, std::int32_t newRow2, std::int32_t newRow3)
{
    return makeNamedSettings<464>(
        std::array { Property::integer("_extentx", 7435), Property::integer("_extenty", 1429),
                     Property::integer("_cbwidth", 281), Property::integer("_cbheight", 54),
                     Property::integer("_version", 393216), Property::integer("minheight1", 24),
                     Property::integer("width1", 120), Property::integer("newrow1", newRow1),
                     Property::integer("minheight2", 22), Property::integer("width2", 90),
                     Property::integer("newrow2", newRow2), Property::integer("minheight3", 20),
                     Property::integer("width3", 150), Property::integer("newrow3", newRow3) });
}

constexpr auto oneRow = barSettings(0, 0, 0);
constexpr auto thirdBandBelow = barSettings(0, 0, -1);
constexpr auto secondAndThirdBelow = barSettings(0, 1, 0);
constexpr auto eachBandOnItsOwnRow = barSettings(0, 1, 1);
constexpr auto firstBandFlagged = barSettings(1, 0, 0);

struct BandLayout {
    const char *name;
    std::span<const std::byte> settings;
    std::array<int, 3> rowOfBand;
};

using test::PrintTo;

const BandLayout bandLayouts[] = {
    { "AllInOneRow", oneRow, { 0, 0, 0 } },
    { "ThirdBandOnANewRow", thirdBandBelow, { 0, 0, 1 } },
    { "SecondBandStartsTheSecondRow", secondAndThirdBelow, { 0, 1, 1 } },
    { "EachBandOnItsOwnRow", eachBandOnItsOwnRow, { 0, 1, 2 } },
    { "FirstBandAlwaysStartsTheFirstRow", firstBandFlagged, { 0, 0, 0 } },
};

class ComCtl3CoolBarBands : public ::testing::TestWithParam<BandLayout>
{
};

TEST_P(ComCtl3CoolBarBands, AreSizedAndPlacedFromTheNamedSettings)
{
    QWidget container;
    auto *bar = madeChild<QWidget>(create("comct332", coolBar, GetParam().settings, container), container);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->sizeHint(), QSize(281, 54));

    std::array<QFrame *, 3> bands {};
    for (std::size_t i = 0; i < bands.size(); ++i) {
        bands[i] = bar->findChild<QFrame *>(QStringLiteral("band%1").arg(i + 1));
        ASSERT_NE(bands[i], nullptr) << "band " << i + 1;
    }
    EXPECT_EQ(bands[0]->property("bandWidth").toInt(), 120);
    EXPECT_EQ(bands[1]->property("bandWidth").toInt(), 90);
    EXPECT_EQ(bands[2]->property("bandWidth").toInt(), 150);
    EXPECT_EQ(bands[2]->property("minHeight").toInt(), 20);

    bar->resize(400, 120);
    bar->layout()->activate();
    const std::array<int, 3> &rows = GetParam().rowOfBand;
    for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
        const std::size_t j = i + 1;
        if (rows[i] == rows[j]) {
            EXPECT_EQ(bands[i]->y(), bands[j]->y())
                << "bands " << i + 1 << " and " << j + 1 << " share a row";
            EXPECT_LT(bands[i]->x(), bands[j]->x());
        } else {
            EXPECT_GE(bands[j]->y(), bands[i]->geometry().bottom()) << "band " << j + 1 << " is a row down";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ComCtl3CoolBarBands, ::testing::ValuesIn(bandLayouts), rowName);

TEST(ComCtl3Module, GivesAbsentSettingsTheirDefaults)
{
    constexpr auto onlyWidths = makeNamedSettings<64>(std::array { Property::integer("width2", 70) });
    QWidget container;
    const QObject *bar = madeChild(create("comct332", coolBar, onlyWidths, container), container);
    ASSERT_NE(bar, nullptr);
    const QList<QFrame *> bands = bar->findChildren<QFrame *>();
    ASSERT_EQ(bands.size(), 3);
    EXPECT_EQ(bands[0]->property("bandWidth").toInt(), 100);
    EXPECT_EQ(bands[1]->property("bandWidth").toInt(), 70);
    EXPECT_EQ(bands[1]->property("minHeight").toInt(), 24);
    EXPECT_FALSE(bands[2]->property("newRow").toBool());
}

constexpr auto headBlockInstead
    = settings::makeBlock<64>(7435, 1429, std::array { Property::integer("x", 1) });
constexpr auto negativeWidth = makeNamedSettings<64>(std::array { Property::integer("width2", -5) });
constexpr auto minHeightAsText = makeNamedSettings<64>(std::array { Property::string("minheight1", "24") });
constexpr auto tallerThanAnyScreen
    = makeNamedSettings<64>(std::array { Property::integer("_cbheight", 40000) });
constexpr auto negativeExtent = makeNamedSettings<64>(std::array { Property::integer("_extentx", -1) });

const MalformedBlock malformedSettings[] = {
    { "HeadBlockInstead", coolBar, headBlockInstead, "not 0x5445534e" },
    { "CutInTheMarker", coolBar, cutTo(oneRow, 3), "too short for its marker" },
    { "CutInTheSettings", coolBar, cutTo(oneRow, 12), "runs past the end" },
    { "NegativeWidth", coolBar, negativeWidth, "width2 is -5" },
    { "MinHeightAsText", coolBar, minHeightAsText, "minheight1 holds a text" },
    { "HeightBeyondRange", coolBar, tallerThanAnyScreen, "_cbheight is 40000" },
    { "NegativeExtent", coolBar, negativeExtent, "_extentx is -1" },
};

using ComCtl3Refusal = MalformedBlockTest;
TEST_P(ComCtl3Refusal, GivesNoObjectAndAMessageNamingTheFault)
{
    expectRefused("comct332", GetParam());
}
INSTANTIATE_TEST_SUITE_P(EachFault, ComCtl3Refusal, ::testing::ValuesIn(malformedSettings), rowName);

} // namespace
} // namespace qv::test
