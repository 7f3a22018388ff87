// The main window as stored: its client area, each control's place, text and tab order, and its Load event.

#include "support/named_rows.h"
#include "support/program_fixture.h"
#include "windows/display_scale.h"
#include <quorvane/form_description.h>

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

// On a scaled display the logical pixels stay those of 96 dots an inch; the device pixels, what the user
// sees, grow with the scale.
TEST_F(MainWindow, ShowsItsCaptionAndClientAreaInPixels)
{
    const QWidget *window = windowOf(form1());
    const FormDescription &stored = form1().description();
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), storedText(stored.caption));
    EXPECT_EQ(window->size(), storedInLogicalPixels(0, 0, stored.clientWidth, stored.clientHeight).size());
    EXPECT_DOUBLE_EQ(window->devicePixelRatio(), displayScale());
    const QRectF shown = inDevicePixels(window->rect(), window->devicePixelRatio());
    const QRectF expected = storedInDevicePixels(0, 0, stored.clientWidth, stored.clientHeight);
    EXPECT_TRUE(withinAPixel(shown, expected))
        << describe(shown) << " shown, " << describe(expected) << " stored";
}

struct PlacedControl {
    const char *name;
    const char *shown = nullptr; // null: the stored text
};
using qv::test::PrintTo;

class MainWindowControl : public MainWindow, public ::testing::WithParamInterface<PlacedControl>
{
};

TEST_P(MainWindowControl, StandsAtItsStoredPlace)
{
    const Control *control = findControl(form1(), GetParam().name);
    ASSERT_NE(control, nullptr);
    const ControlRecord &r = recordOf(*control);
    QWidget *widget = widgetOf(*control);
    EXPECT_EQ(widget->geometry(), storedInLogicalPixels(r.left, r.top, r.width, r.height));
    const QRectF shown = inDevicePixels(widget->geometry(), widget->devicePixelRatio());
    const QRectF expected = storedInDevicePixels(r.left, r.top, r.width, r.height);
    EXPECT_TRUE(withinAPixel(shown, expected))
        << describe(shown) << " shown, " << describe(expected) << " stored";

    QString shownText;
    if (auto *label = qobject_cast<QLabel *>(widget))
        shownText = label->text();
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        shownText = button->text();
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        shownText = edit->text();
    EXPECT_EQ(shownText, GetParam().shown ? QString::fromLatin1(GetParam().shown) : storedText(r.text));
}

INSTANTIATE_TEST_SUITE_P(Controls, MainWindowControl,
                         ::testing::Values(PlacedControl { "Text1", "" }, // the Load event clears it
                                           PlacedControl { "Command2" }, PlacedControl { "Command1" },
                                           PlacedControl { "Label1" }),
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
    probeOf(*runtime_).setFaultInjector(
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
