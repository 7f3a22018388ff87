// "Close Form" as the main window sees it: made anew when its default instance is gone, shown and active
// while the Test handler still waits in the showcase's modal show, and Exit focused once that handler
// resumes.

#include "support/program_fixture.h"
#include "windows/main/form1_layout.h"

#include <QApplication>
#include <QLineEdit>
#include <utility>

namespace qv::test
{
namespace
{

// Main windows loaded, shown or hidden.
int mainWindows()
{
    int count = 0;
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1StringView(form1Layout.name))
            ++count;
    }
    return count;
}

class CloseForm : public ProgramFixture
{
protected:
    void SetUp() override { start(); }
};

// The slot is emptied as "Set Form1 = Nothing" would, while the first main window waits in its Test handler.
TEST_F(CloseForm, MakesOneMainWindowWhenItsSlotIsEmpty)
{
    FormSlot first; // holds the first main window while the slot is empty
    int windowsMade = -1;
    bool madeAnew = false;
    bool shown = false;
    QString text;
    bool active = false;
    clickTest([&] {
        std::swap(first, state_->form1);
        const int windowsBefore = mainWindows();
        clickCloseForm();
        windowsMade = mainWindows() - windowsBefore;
        if (state_->form1.empty())
            return;
        madeAnew = &*state_->form1 != &*first;
        const QWidget *window = windowOf(form1()); // none once a failure has ended the run
        shown = window && window->isVisible();
        text = window ? text1() : QString();
        QCoreApplication::processEvents(); // the window system's activation
        active = window && QApplication::activeWindow() == window;
    });

    EXPECT_TRUE(host_.reports.empty()) << qPrintable(host_.reports.front().text);
    EXPECT_EQ(windowsMade, 1);
    EXPECT_TRUE(madeAnew);
    EXPECT_TRUE(shown);
    EXPECT_EQ(text, allGood);
    EXPECT_TRUE(active);
}

TEST_F(CloseForm, ActivatesTheMainWindowThenTheTestHandlerFocusesExit)
{
    bool mainShown = false;
    bool showcaseHidden = false;
    bool mainActive = false;
    clickTest([&] {
        clickCloseForm();
        // The window system's activation comes as an event.
        QCoreApplication::processEvents();
        mainShown = windowOf(form1())->isVisible();
        showcaseHidden = !windowOf(form2())->isVisible();
        mainActive = QApplication::activeWindow() == windowOf(form1());
    });

    EXPECT_TRUE(mainShown);
    EXPECT_TRUE(showcaseHidden);
    EXPECT_TRUE(mainActive) << "the main window takes the focus before the Test handler resumes";
    EXPECT_EQ(QApplication::activeWindow(), windowOf(form1()));
    EXPECT_EQ(QApplication::focusWidget(), button(form1(), "Command2"));
}

} // namespace
} // namespace qv::test
