// Twips to pixels at the resolutions a screen reports.

#include "runtime/core/twips.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace qv
