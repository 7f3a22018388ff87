// The main window as stored: its client area, each control's place, text and tab order, and its Load event.

#include "support/program_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <array>
#include <ostream>

namespace qv::test
{
namespace
{

class MainWindow : public ProgramFixture
{
protected:
    void SetUp() override { start(); }
};

TEST_F(MainWindow, ShowsItsCaptionAndClientAreaInPixels)
{
    const QWidget *window = windowOf(form1());
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvane All Controls"));
    EXPECT_EQ(window->size(), QSize(373, 57));
}

struct PlacedControl {
    const char *name;
    QRect pixels;
    QString text;
};
void PrintTo(const PlacedControl &c, std::ostream *os)
{
    *os << c.name;
}

class MainWindowControl : public MainWindow, public ::testing::WithParamInterface<PlacedControl>
{
};

TEST_P(MainWindowControl, StandsAtItsStoredPlace)
{
    const Control *control = findControl(form1(), GetParam().name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(widgetOf(*control)->geometry(), GetParam().pixels);
    QString shown;
    if (auto *label = qobject_cast<QLabel *>(widgetOf(*control)))
        shown = label->text();
    else if (auto *button = qobject_cast<QPushButton *>(widgetOf(*control)))
        shown = button->text();
    else if (auto *edit = qobject_cast<QLineEdit *>(widgetOf(*control)))
        shown = edit->text();
    EXPECT_EQ(shown, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, MainWindowControl,
    ::testing::Values(PlacedControl { "Text1", QRect(96, 32, 185, 21), QString() },
                      PlacedControl { "Command2", QRect(288, 32, 81, 21), QStringLiteral("Exit") },
                      PlacedControl { "Command1", QRect(8, 32, 81, 21), QStringLiteral("Test") },
                      PlacedControl { "Label1", QRect(16, 8, 353, 17),
                                      QStringLiteral("This program  tests if VB6 runtime is working.") }),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(MainWindow, BannerIsCentredAndBold)
{
    auto *label = qobject_cast<QLabel *>(widgetOf(*findControl(form1(), "Label1")));
    EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(label->font().bold());
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 9.75);
}

TEST_F(MainWindow, TabKeyFollowsTabIndexes)
{
    // Tab index 0 is the banner, which takes no focus; then Test, Exit, the text box, and round again.
    QWidget *window = windowOf(form1());
    QWidget *test = button(form1(), "Command1");
    const std::array<QWidget *, 4> expected { button(form1(), "Command2"),
                                              widgetOf(*findControl(form1(), "Text1")), test,
                                              button(form1(), "Command2") };
    test->setFocus();
    for (QWidget *next : expected) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(window->focusWidget(), next) << qPrintable(window->focusWidget()->objectName());
    }
}

class MainWindowLoad : public ProgramFixture
{
};

TEST_F(MainWindowLoad, ClearsTheBoxOnceBeforeTheFirstShow)
{
    int clears = 0;
    bool visibleWhenCleared = true;
    runtime_->probe().setFaultInjector(
        [this, &clears, &visibleWhenCleared](const ComObject &object, std::string_view operation) {
            if (object.objectName() == QLatin1String("Text1") && operation == "Text" && windowOf(form1())) {
                ++clears;
                visibleWhenCleared = windowOf(form1())->isVisible();
            }
            return status::ok;
        });
    start();
    EXPECT_EQ(clears, 1);
    EXPECT_FALSE(visibleWhenCleared);
    EXPECT_EQ(text1(), QString());
    EXPECT_EQ(loadCountOf(form1()), 1);
}

} // namespace
} // namespace qv::test
