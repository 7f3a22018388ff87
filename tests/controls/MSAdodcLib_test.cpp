// The ADO data control module: the caption between two pairs of record buttons, malformed blocks refused.

#include "support/control_module_cases.h"

#include <QLabel>
#include <QLayout>
#include <QToolButton>
#include <algorithm>

namespace qv::test
{
namespace
{

constexpr auto adodc = manifestClassId("MSAdodcLib.Adodc");
constexpr BlockBuilder<172> adodcBlock { settings::twipsToHimetric(4215), settings::twipsToHimetric(330) };

const Bytes adodc1 = adodcBlock(std::array { Property::string("Caption", "Adodc1") });

struct CaptionCase {
    const char *name;
    Bytes block;
    const char *caption;
};

using test::PrintTo;

class MSAdodcLibControls : public ::testing::TestWithParam<CaptionCase>
{
};

TEST_P(MSAdodcLibControls, ShowTheCaptionBetweenBackwardAndForwardButtons)
{
    const CaptionCase &expected = GetParam();
    QWidget container;
    auto *control = madeChild<QWidget>(create("msadodc", adodc, expected.block, container), container);
    ASSERT_NE(control, nullptr);
    auto *caption = control->findChild<QLabel *>();
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), QLatin1String(expected.caption));

    container.resize(300, 40);
    control->resize(281, 22); // the showcase's 4215 x 330 twips
    container.show();
    QList<QToolButton *> buttons = control->findChildren<QToolButton *>();
    ASSERT_EQ(buttons.size(), 4);
    std::sort(buttons.begin(), buttons.end(), [](QToolButton *a, QToolButton *b) { return a->x() < b->x(); });
    const QStringList leftToRight { QStringLiteral("First record"), QStringLiteral("Previous record"),
                                    QStringLiteral("Next record"), QStringLiteral("Last record") };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(buttons[i]->accessibleName(), leftToRight[i]);
        EXPECT_FALSE(buttons[i]->icon().isNull()) << i;
        EXPECT_EQ(buttons[i]->height(), control->height()) << i;
    }
    EXPECT_LE(buttons[1]->geometry().right(), caption->geometry().left());
    EXPECT_GE(buttons[2]->geometry().left(), caption->geometry().right());
    EXPECT_GT(caption->width(), control->width() / 2) << "the caption takes the room between the buttons";
}

INSTANTIATE_TEST_SUITE_P(SavedStates, MSAdodcLibControls,
                         ::testing::Values(CaptionCase { "Adodc1", adodc1, "Adodc1" },
                                           CaptionCase { "NothingStored", adodcBlock(noState), "" }),
                         rowName);

using MSAdodcLibFaults = MalformedBlockTest;
TEST_P(MSAdodcLibFaults, GiveNoControlAndAMessageNamingTheFault)
{
    expectRefused("msadodc", GetParam());
}
INSTANTIATE_TEST_SUITE_P(
    MalformedBlocks, MSAdodcLibFaults,
    ::testing::Values(MalformedBlock { "WrongMarker", adodc, withWrongMarker(adodc1), "marker" },
                      MalformedBlock { "CutInTheHead", adodc, cutTo(adodc1, 4), "16-byte head" },
                      MalformedBlock { "CutInTheState", adodc, cutTo(adodc1, 33), "runs past the end" },
                      MalformedBlock { "CaptionAsNumber", adodc,
                                       adodcBlock(std::array { Property::integer("Caption", 1) }),
                                       "Caption holds a number" },
                      MalformedBlock { "UnknownClass", unknownClass, adodc1, "MSADODC.OCX has no class" }),
    rowName);

} // namespace
} // namespace qv::test
