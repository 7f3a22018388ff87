// Twips to pixels at the resolutions a screen reports.

#include "controls/interface/twips.h"
#include "support/named_rows.h"

#include <gtest/gtest.h>
#include <ostream>

namespace qv
{
namespace
{

TEST(Twips, FifteenTwipsAPixelAt96Dpi)
{
    const TwipsScale scale(96, 96);
    EXPECT_EQ(scale.toPixelsX(5595), 373);
    EXPECT_EQ(scale.toPixelsY(855), 57);
    EXPECT_EQ(scale.toPixelsX(13530), 902);
    EXPECT_EQ(scale.toPixelsY(9855), 657);
}

TEST(Twips, FollowsALargerLogicalResolution)
{
    const TwipsScale scale(144, 144);
    EXPECT_EQ(scale.toPixelsX(5595), 560); // 559.5 rounds up
    EXPECT_EQ(scale.toPixelsY(855), 86); // 85.5 rounds up
}

TEST(Twips, TouchingControlsStillTouch)
{
    const TwipsScale scale(120, 120);
    const QRect a = scale.toPixels(0, 0, 1215, 315);
    const QRect b = scale.toPixels(1215, 0, 1215, 315);
    EXPECT_EQ(a.right() + 1, b.left());
}

// A screen's resolution, across and down, and what a control stored at 5595, 855 twips, 1215 by 315, becomes
// there: each edge across at the horizontal resolution, each edge down at the vertical one.
struct Resolution {
    const char *name;
    double dpiX;
    double dpiY;
    QRect control;
};
using qv::test::PrintTo;

class TwipsAtResolution : public ::testing::TestWithParam<Resolution>
{
};

TEST_P(TwipsAtResolution, EachAxisAtItsOwnResolution)
{
    const TwipsScale scale(GetParam().dpiX, GetParam().dpiY);
    EXPECT_EQ(scale.toPixels(5595, 855, 1215, 315), GetParam().control);
    EXPECT_EQ(scale.toPixelsX(1440), qRound(GetParam().dpiX)) << "an inch across";
    EXPECT_EQ(scale.toPixelsY(1440), qRound(GetParam().dpiY)) << "an inch down";

    // Stacked and side by side, controls that touch in twips touch in pixels on either axis.
    const QRect below = scale.toPixels(5595, 855 + 315, 1215, 315);
    const QRect beside = scale.toPixels(5595 + 1215, 855, 1215, 315);
    EXPECT_EQ(GetParam().control.bottom() + 1, below.top());
    EXPECT_EQ(GetParam().control.right() + 1, beside.left());
}

INSTANTIATE_TEST_SUITE_P(Screens, TwipsAtResolution,
                         ::testing::Values(
                             // 373 across, 57 down; right edge 6810 twips at 454, bottom edge 1170 at 78.
                             Resolution { "Square96", 96, 96, QRect(373, 57, 81, 21) },
                             // 559.5 and 85.5 round up; right edge at 681, bottom edge at 117.
                             Resolution { "Square144", 144, 144, QRect(560, 86, 121, 31) },
                             // Pixels taller than wide: across as at 96 dpi, down as at 144.
                             Resolution { "Taller96x144", 96, 144, QRect(373, 86, 81, 31) },
                             // Pixels wider than tall: across as at 144 dpi, down as at 96.
                             Resolution { "Wider144x96", 144, 96, QRect(560, 57, 121, 21) },
                             // 120 across (466.25, 567.5), 72 down (42.75, 58.5).
                             Resolution { "Wider120x72", 120, 72, QRect(466, 43, 102, 16) }),
                         [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace qv
