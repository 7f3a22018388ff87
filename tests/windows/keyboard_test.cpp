// The round trip without a mouse: which key does what in each window, and where the focus stands.

#include "support/named_rows.h"
#include "support/program_fixture.h"

#include <QtTest/QTest>
#include <ostream>

namespace qv::test
{
namespace
{

class Keyboard : public ProgramFixture
{
protected:
    void SetUp() override { start(); }

    QWidget *control(const Form &form, std::string_view name) const
    {
        return widgetOf(*findControl(form, name));
    }
};

struct EnterCase {
    const char *name;
    const char *target; // the main window's control the key goes to
    Qt::KeyboardModifiers modifiers;
};
using qv::test::PrintTo;

class EnterInMainWindow : public Keyboard, public ::testing::WithParamInterface<EnterCase>
{
};

// "Test" is the main window's default button: Enter presses it wherever the focus stands but on another
// command button.
TEST_P(EnterInMainWindow, PressesTest)
{
    QWidget *target = control(form1(), GetParam().target);
    bool showcaseShown = false;
    pressTest([&] { QTest::keyClick(target, Qt::Key_Return, GetParam().modifiers); },
              [&] {
                  showcaseShown = true;
                  clickCloseForm();
              });
    EXPECT_TRUE(showcaseShown);
    EXPECT_EQ(text1(), allGood);
}

INSTANTIATE_TEST_SUITE_P(Focus, EnterInMainWindow,
                         ::testing::Values(EnterCase { "TextBox", "Text1", Qt::NoModifier },
                                           EnterCase { "TestButton", "Command1", Qt::NoModifier },
                                           EnterCase { "KeypadEnter", "Text1", Qt::KeypadModifier },
                                           EnterCase { "Banner", "Label1", Qt::NoModifier }),
                         [](const auto &row) { return std::string(row.param.name); });

TEST_F(Keyboard, EnterOnTheFocusedExitButtonEndsTheProgram)
{
    QTest::keyClick(control(form1(), "Command2"), Qt::Key_Return);
    EXPECT_EQ(host_.exitStatus, 0);
}

TEST_F(Keyboard, ShiftEnterInTheTextBoxPressesNothing)
{
    pressTest([&] { QTest::keyClick(control(form1(), "Text1"), Qt::Key_Return, Qt::ShiftModifier); },
              [&] { clickCloseForm(); });
    EXPECT_FALSE(form2Created());
}

TEST_F(Keyboard, EscapeInTheShowcaseIsItsCloseBox)
{
    pressTest([&] { QTest::keyClick(control(form1(), "Text1"), Qt::Key_Return); },
              [&] { QTest::keyClick(windowOf(form2())->focusWidget(), Qt::Key_Escape); });
    EXPECT_EQ(text1(), wellThatWasFun);
    EXPECT_FALSE(isLoaded(form2()));
    EXPECT_TRUE(windowOf(form1())->isVisible());
}

// The main window is no dialog: Escape there leaves it as it is.
TEST_F(Keyboard, EscapeInTheMainWindowDoesNothing)
{
    QTest::keyClick(control(form1(), "Text1"), Qt::Key_Escape);
    EXPECT_TRUE(windowOf(form1())->isVisible());
    EXPECT_FALSE(host_.exitStatus.has_value());
}

// Each window opens on the first control of its tab order; going back from there wraps round to the last.
TEST_F(Keyboard, FocusStartsAtTabIndexZeroAndShiftTabWrapsToTheLast)
{
    EXPECT_EQ(windowOf(form1())->focusWidget(), control(form1(), "Command1"));
    QWidget *first = nullptr;
    QWidget *beforeFirst = nullptr;
    clickTest([&] {
        first = windowOf(form2())->focusWidget();
        QTest::keyClick(first, Qt::Key_Backtab);
        beforeFirst = windowOf(form2())->focusWidget();
        clickCloseForm();
    });
    EXPECT_EQ(first, control(form2(), "Picture1"));
    // Not a part of the data controls, which have no tab index.
    EXPECT_EQ(beforeFirst, control(form2(), "Command2"));
}

} // namespace
} // namespace qv::test
