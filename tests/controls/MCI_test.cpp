// The multimedia control module: nine disabled buttons with symbols, malformed blocks refused.

#include "support/control_module_cases.h"

#include <QLayout>
#include <QToolButton>

namespace qv::test
{
namespace
{

using settings::makeBlock;

constexpr auto mmControl = manifestClassId("MCI.MMControl");

constexpr auto defaults = makeBlock<96>(7514, 1111, noState);
constexpr auto recordAndEjectHidden = makeBlock<96>(
    7514, 1111, std::array { Property::integer("RecordVisible", 0), Property::integer("EjectVisible", 0) });
constexpr auto inAColumn = makeBlock<96>(7514, 1111, std::array { Property::integer("Orientation", 1) });

struct ButtonRow {
    const char *name;
    std::span<const std::byte> block;
    int shownButtons;
    Qt::Orientation direction;
};

using test::PrintTo;

const ButtonRow buttonRows[] = {
    { "Defaults", defaults, 9, Qt::Horizontal },
    { "RecordAndEjectHidden", recordAndEjectHidden, 7, Qt::Horizontal },
    { "InAColumn", inAColumn, 9, Qt::Vertical },
};

class MCIButtons : public ::testing::TestWithParam<ButtonRow>
{
};

TEST_P(MCIButtons, AreTheNineCommandsDisabledWithNoDeviceOpen)
{
    QWidget container;
    auto *control = madeChild<QWidget>(create("mci32", mmControl, GetParam().block, container), container);
    ASSERT_NE(control, nullptr);

    const QList<QToolButton *> buttons = control->findChildren<QToolButton *>();
    const QStringList expected { "Prev", "Next", "Play", "Pause", "Back", "Step", "Stop", "Record", "Eject" };
    ASSERT_EQ(buttons.size(), expected.size());
    int shown = 0;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->objectName(), expected[i]);
        EXPECT_FALSE(buttons[i]->isEnabled()) << qPrintable(expected[i]);
        EXPECT_FALSE(buttons[i]->icon().isNull()) << qPrintable(expected[i]);
        shown += buttons[i]->isHidden() ? 0 : 1;
    }
    EXPECT_EQ(shown, GetParam().shownButtons);

    control->resize(280, 280);
    control->layout()->activate();
    const QPoint step = buttons[1]->pos() - buttons[0]->pos();
    if (GetParam().direction == Qt::Horizontal)
        EXPECT_TRUE(step.x() > 0 && step.y() == 0) << step.x() << ", " << step.y();
    else
        EXPECT_TRUE(step.y() > 0 && step.x() == 0) << step.x() << ", " << step.y();
}

INSTANTIATE_TEST_SUITE_P(Settings, MCIButtons, ::testing::ValuesIn(buttonRows), rowName);

constexpr auto playVisibleTwo = makeBlock<96>(7514, 1111, std::array { Property::integer("PlayVisible", 2) });
constexpr auto orientationAsText
    = makeBlock<96>(7514, 1111, std::array { Property::string("Orientation", "vertical") });
constexpr auto unknownPropertyType = [] {
    auto block = makeBlock<96>(7514, 1111, std::array { Property::integer("StopVisible", 1) });
    block[16 + 2 + 1 + 11] = std::byte { 7 }; // the type byte after the name
    return block;
}();

const MalformedBlock malformedBlocks[] = {
    { "WrongMarker", mmControl, withWrongMarker(defaults, 3), "not the marker 0x12344321" },
    { "CutInTheHead", mmControl, headCutShort(12), "shorter than its 16-byte head" },
    { "UnknownPropertyType", mmControl, unknownPropertyType, "unknown type 7" },
    { "VisibleFlagOutOfRange", mmControl, playVisibleTwo, "PlayVisible is 2" },
    { "OrientationAsText", mmControl, orientationAsText, "Orientation holds a text" },
};

using MCIRefusal = MalformedBlockTest;
TEST_P(MCIRefusal, GivesNoObjectAndAMessageNamingTheFault)
{
    expectRefused("mci32", GetParam());
}
INSTANTIATE_TEST_SUITE_P(EachFault, MCIRefusal, ::testing::ValuesIn(malformedBlocks), rowName);

} // namespace
} // namespace qv::test
