// Round trips through the showcase window, driven by clicks on the real windows.

#include "runtime/core/string_count.h"
#include "support/named_rows.h"
#include "support/program_fixture.h"

#include <QApplication>
#include <ostream>

namespace qv::test
{
namespace
{

class RoundTrip : public ProgramFixture
{
protected:
    void SetUp() override { start(); }
};

TEST_F(RoundTrip, CloseFormWritesSuccessAndFocusesExit)
{
    bool showcaseWasModal = false;
    bool mainWasHidden = false;
    clickTest([&] {
        showcaseWasModal = QApplication::activeModalWidget() == windowOf(form2());
        mainWasHidden = !windowOf(form1())->isVisible();
        clickCloseForm();
    });

    EXPECT_TRUE(showcaseWasModal);
    EXPECT_TRUE(mainWasHidden);
    EXPECT_EQ(text1(), allGood);
    EXPECT_TRUE(windowOf(form1())->isVisible());
    EXPECT_EQ(windowOf(form1())->focusWidget(), button(form1(), "Command2"));
    EXPECT_TRUE(isLoaded(form2()));
    EXPECT_FALSE(windowOf(form2())->isVisible());
    EXPECT_FALSE(host_.exitStatus.has_value());
}

struct CloseBoxCase {
    const char *name;
    QString before;
    QString after;
};
using qv::test::PrintTo;

class CloseBoxRoundTrip : public RoundTrip, public ::testing::WithParamInterface<CloseBoxCase>
{
};

TEST_P(CloseBoxRoundTrip, WritesFarewellOnlyIntoAnEmptyBox)
{
    typeIntoText1(GetParam().before);
    clickTest([&] { closeShowcaseByCloseBox(); });

    EXPECT_EQ(text1(), GetParam().after);
    EXPECT_TRUE(windowOf(form1())->isVisible());
    EXPECT_EQ(windowOf(form1())->focusWidget(), button(form1(), "Command2"));
    EXPECT_FALSE(isLoaded(form2()));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CloseBoxRoundTrip,
    ::testing::Values(CloseBoxCase { "Empty", QString(), wellThatWasFun },
                      CloseBoxCase { "EarlierSuccess", allGood, allGood },
                      CloseBoxCase { "SingleSpace", QStringLiteral(" "), QStringLiteral(" ") },
                      CloseBoxCase { "EarlierFarewell", wellThatWasFun, wellThatWasFun }),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(RoundTrip, CloseBoxAfterSuccessKeepsSuccess)
{
    clickTest([&] { clickCloseForm(); });
    clickTest([&] { closeShowcaseByCloseBox(); });
    EXPECT_EQ(text1(), allGood);
}

TEST_F(RoundTrip, CloseFormOverwritesFarewell)
{
    clickTest([&] { closeShowcaseByCloseBox(); });
    ASSERT_EQ(text1(), wellThatWasFun);
    clickTest([&] { clickCloseForm(); });
    EXPECT_EQ(text1(), allGood);
}

TEST_F(RoundTrip, HiddenShowcaseIsShownAgainWithoutLoading)
{
    clickTest([&] { clickCloseForm(); });
    const QWidget *firstWindow = windowOf(form2());
    const Control *firstButton = findControl(form2(), "Command2");

    bool sameWindowShown = false;
    clickTest([&] {
        sameWindowShown = windowOf(form2()) == firstWindow && windowOf(form2())->isVisible();
        clickCloseForm();
    });

    EXPECT_TRUE(sameWindowShown);
    EXPECT_EQ(loadCountOf(form2()), 1);
    EXPECT_EQ(findControl(form2(), "Command2"), firstButton);
}

TEST_F(RoundTrip, ShowcaseUnloadedByCloseBoxIsLoadedAnew)
{
    clickTest([&] { closeShowcaseByCloseBox(); });
    settle();
    const int controlsAfterUnload = probeOf(*runtime_).liveControls();

    bool loadedAgain = false;
    clickTest([&] {
        loadedAgain = isLoaded(form2()) && windowOf(form2())->isVisible();
        clickCloseForm();
    });

    EXPECT_TRUE(loadedAgain);
    EXPECT_EQ(loadCountOf(form2()), 2);
    EXPECT_EQ(probeOf(*runtime_).liveControls(),
              controlsAfterUnload + static_cast<int>(controlsOf(form2()).size()));
}

TEST_F(RoundTrip, ReferencesAndStringsReturnToBaseline)
{
    clickTest([&] { clickCloseForm(); });
    settle();
    const int form1Refs = form1().refCount();
    const int form2Refs = form2().refCount();
    const int strings = liveStrings();
    const int controls = probeOf(*runtime_).liveControls();

    int form1RefsDuringTest = 0;
    clickTest([&] {
        form1RefsDuringTest = form1().refCount();
        clickCloseForm();
    });
    clickTest([&] { closeShowcaseByCloseBox(); });
    settle();

    EXPECT_EQ(form1RefsDuringTest, form1Refs + 1) << "the Test handler holds its window for its whole run";
    EXPECT_EQ(form1().refCount(), form1Refs);
    EXPECT_EQ(form2().refCount(), form2Refs);
    EXPECT_EQ(liveStrings(), strings);
    EXPECT_EQ(probeOf(*runtime_).liveControls(),
              controls - static_cast<int>(form2().description().controls.size()));
}

} // namespace
} // namespace qv::test
