// The multimedia control module: nine disabled buttons with symbols, malformed blocks refused.

#include "controls/interface/settings_block.h"
#include "support/control_module.h"

#include <QLayout>
#include <QToolButton>
#include <ostream>

namespace qv::test
{
namespace
{

// Each row of a data-driven test is named after its case.
constexpr auto rowName = [](const auto &row) { return std::string(row.param.name); };

using settings::makeBlock;
using settings::Property;

constexpr QStringView mmControl = u"{C1A8AF25-1257-101B-8FB0-0020AF039CA3}";

constexpr std::array<Property, 0> noState {};
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

void PrintTo(const ButtonRow &row, std::ostream *out)
{
    *out << row.name;
}

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
    const ControlLibrary::Creation made = loadModule("mci32")->create(mmControl, GetParam().block, container);
    ASSERT_NE(made.object, nullptr) << qPrintable(made.error);
    auto *control = qobject_cast<QWidget *>(made.object);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parent(), &container);

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

constexpr auto wrongMarker = [] {
    auto block = makeBlock<96>(7514, 1111, noState);
    block[3] = std::byte { 0 };
    return block;
}();
constexpr std::array<std::byte, 12> cutInTheHead {};
constexpr auto playVisibleTwo = makeBlock<96>(7514, 1111, std::array { Property::integer("PlayVisible", 2) });
constexpr auto orientationAsText
    = makeBlock<96>(7514, 1111, std::array { Property::string("Orientation", "vertical") });
constexpr auto unknownPropertyType = [] {
    auto block = makeBlock<96>(7514, 1111, std::array { Property::integer("StopVisible", 1) });
    block[16 + 2 + 1 + 11] = std::byte { 7 }; // the type byte after the name
    return block;
}();

struct MalformedBlock {
    const char *name;
    std::span<const std::byte> block;
    const char *fault; // a part of the message
};

void PrintTo(const MalformedBlock &row, std::ostream *out)
{
    *out << row.name;
}

const MalformedBlock malformedBlocks[] = {
    { "WrongMarker", wrongMarker, "not the marker 0x12344321" },
    { "CutInTheHead", cutInTheHead, "shorter than its 16-byte head" },
    { "UnknownPropertyType", unknownPropertyType, "unknown type 7" },
    { "VisibleFlagOutOfRange", playVisibleTwo, "PlayVisible is 2" },
    { "OrientationAsText", orientationAsText, "Orientation is text" },
};

class MCIRefusal : public ::testing::TestWithParam<MalformedBlock>
{
};

TEST_P(MCIRefusal, GivesNoObjectAndAMessageNamingTheFault)
{
    QWidget container;
    const ControlLibrary::Creation made = loadModule("mci32")->create(mmControl, GetParam().block, container);
    EXPECT_EQ(made.object, nullptr);
    EXPECT_TRUE(made.error.contains(QLatin1String(GetParam().fault))) << qPrintable(made.error);
    EXPECT_TRUE(container.children().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EachFault, MCIRefusal, ::testing::ValuesIn(malformedBlocks), rowName);

} // namespace
} // namespace qv::test
