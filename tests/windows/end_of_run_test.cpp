// The end of the run: "Exit" and the main window's close box, also with the showcase loaded but hidden.

#include "support/named_rows.h"
#include "support/program_fixture.h"

#include <QtTest/QTest>
#include <ostream>

namespace qv::test
{
namespace
{

enum class Ending { ExitButton, MainCloseBox };

struct EndCase {
    const char *name;
    Ending ending;
    bool showcaseLoadedFirst;
};
using qv::test::PrintTo;

class EndOfRun : public ProgramFixture, public ::testing::WithParamInterface<EndCase>
{
protected:
    void SetUp() override { start(); }
};

TEST_P(EndOfRun, ClosesEveryWindowAndEndsWithStatusZero)
{
    if (GetParam().showcaseLoadedFirst) {
        clickTest([&] { clickCloseForm(); });
        ASSERT_TRUE(isLoaded(form2()));
    }
    if (GetParam().ending == Ending::ExitButton)
        QTest::mouseClick(button(form1(), "Command2"), Qt::LeftButton);
    else
        windowOf(form1())->close();

    ASSERT_EQ(host_.exitStatus, 0);
    EXPECT_TRUE(host_.reports.empty());
    EXPECT_TRUE(runtime_->hasEnded());
    EXPECT_FALSE(isLoaded(form1()));
    if (GetParam().showcaseLoadedFirst) {
        EXPECT_FALSE(isLoaded(form2()));
    }
    settle();
    EXPECT_EQ(probeOf(*runtime_).liveControls(), 0);
}

INSTANTIATE_TEST_SUITE_P(Endings, EndOfRun,
                         ::testing::Values(EndCase { "Exit", Ending::ExitButton, false },
                                           EndCase { "ExitWithShowcaseHidden", Ending::ExitButton, true },
                                           EndCase { "CloseBox", Ending::MainCloseBox, false },
                                           EndCase { "CloseBoxWithShowcaseHidden", Ending::MainCloseBox,
                                                     true }),
                         [](const auto &row) { return std::string(row.param.name); });

TEST_F(EndOfRun, NoEventRunsAfterTheEnd)
{
    start();
    QTest::mouseClick(button(form1(), "Command2"), Qt::LeftButton);
    ASSERT_TRUE(runtime_->hasEnded());
    // A late click reaching the runtime after the end does nothing and reports nothing.
    runtime_->dispatchEvent(form1(), "Command1", Event::Click);
    EXPECT_FALSE(form2Created());
    EXPECT_TRUE(host_.reports.empty());
}

} // namespace
} // namespace qv::test
