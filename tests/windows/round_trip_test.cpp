// Round trips through the showcase window, driven by clicks on the real windows.

#include "support/program_fixture.h"

#include <QApplication>
#include <ostream>

namespace qv::test
{
namespace
{

const QString allGood = QStringLiteral("All Good! Looks like it is working.");
const QString wellThatWasFun = QStringLiteral("Well that was fun ....");

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
        showcaseWasModal = QApplication::activeModalWidget() == form2().window();
        mainWasHidden = !form1().window()->isVisible();
        clickCloseForm();
    });

    EXPECT_TRUE(showcaseWasModal);
    EXPECT_TRUE(mainWasHidden);
    EXPECT_EQ(text1(), allGood);
    EXPECT_TRUE(form1().window()->isVisible());
    EXPECT_EQ(form1().window()->focusWidget(), button(form1(), "Command2"));
    EXPECT_TRUE(form2().isLoaded());
    EXPECT_FALSE(form2().window()->isVisible());
    EXPECT_FALSE(host_.exitStatus.has_value());
}

struct CloseBoxCase {
    const char *name;
    QString before;
    QString after;
};
void PrintTo(const CloseBoxCase &c, std::ostream *os)
{
    *os << c.name;
}

class CloseBoxRoundTrip : public RoundTrip, public ::testing::WithParamInterface<CloseBoxCase>
{
};

TEST_P(CloseBoxRoundTrip, WritesFarewellOnlyIntoAnEmptyBox)
{
    typeIntoText1(GetParam().before);
    clickTest([&] { closeShowcaseByCloseBox(); });

    EXPECT_EQ(text1(), GetParam().after);
    EXPECT_TRUE(form1().window()->isVisible());
    EXPECT_EQ(form1().window()->focusWidget(), button(form1(), "Command2"));
    EXPECT_FALSE(form2().isLoaded());
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
    const QWidget *firstWindow = form2().window();
    const Control *firstButton = form2().findControl("Command2");

    bool sameWindowShown = false;
    clickTest([&] {
        sameWindowShown = form2().window() == firstWindow && form2().window()->isVisible();
        clickCloseForm();
    });

    EXPECT_TRUE(sameWindowShown);
    EXPECT_EQ(form2().loadCount(), 1);
    EXPECT_EQ(form2().findControl("Command2"), firstButton);
}

TEST_F(RoundTrip, ShowcaseUnloadedByCloseBoxIsLoadedAnew)
{
    clickTest([&] { closeShowcaseByCloseBox(); });
    settle();
    const int controlsAfterUnload = runtime_->probe().liveControls();

    bool loadedAgain = false;
    clickTest([&] {
        loadedAgain = form2().isLoaded() && form2().window()->isVisible();
        clickCloseForm();
    });

    EXPECT_TRUE(loadedAgain);
    EXPECT_EQ(form2().loadCount(), 2);
    EXPECT_EQ(runtime_->probe().liveControls(),
              controlsAfterUnload + static_cast<int>(form2().controls().size()));
}

TEST_F(RoundTrip, ReferencesAndStringsReturnToBaseline)
{
    clickTest([&] { clickCloseForm(); });
    settle();
    const int form1Refs = form1().refCount();
    const int form2Refs = form2().refCount();
    const int strings = BStr::liveCount();
    const int controls = runtime_->probe().liveControls();

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
    EXPECT_EQ(BStr::liveCount(), strings);
    EXPECT_EQ(runtime_->probe().liveControls(),
              controls - static_cast<int>(form2().description().controls.size()));
}

} // namespace
} // namespace qv::test
