// Every text a user must read shows in full in the face that stands in for the stored one: the banners,
// the captions, and both messages in the main window's text box.

#include "support/program_fixture.h"
#include "windows/display_scale.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <ostream>

namespace qv::test
{
namespace
{

// The width the widget gives its text, after its frame and margins.
int roomForText(QWidget *widget)
{
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth
            = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
        const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        const QMargins margins = edit->textMargins();
        return contents.width() - margins.left() - margins.right() - 4; // the edit's own horizontal margin
    }
    if (auto *button = qobject_cast<QPushButton *>(widget))
        return button->width() - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin);
    return widget->contentsRect().width();
}

struct ShownText {
    const char *form;
    const char *control;
    const char *text; // null: the control's own caption
};
void PrintTo(const ShownText &c, std::ostream *os)
{
    *os << c.form << '.' << c.control;
}

class TextInFull : public ProgramFixture, public ::testing::WithParamInterface<ShownText>
{
protected:
    void SetUp() override
    {
        start();
        clickTest([&] { clickCloseForm(); });
    }
};

TEST_P(TextInFull, FitsItsControl)
{
    const Form &form = QLatin1String(GetParam().form) == QLatin1String("Form1")
        ? static_cast<Form &>(form1())
        : static_cast<Form &>(form2());
    QWidget *widget = widgetOf(*findControl(form, GetParam().control));
    QString text = GetParam().text ? QString::fromLatin1(GetParam().text) : QString();
    if (text.isEmpty()) {
        if (auto *label = qobject_cast<QLabel *>(widget))
            text = label->text();
        else if (auto *button = qobject_cast<QPushButton *>(widget))
            text = button->text();
    }
    // Qt lays text out in logical pixels with the metrics of the display scale and draws it in device
    // pixels: what fits here fits on the screen, provided the window is really drawn at that scale.
    ASSERT_DOUBLE_EQ(widget->devicePixelRatio(), displayScale());
    const QFontMetrics metrics(widget->font());
    EXPECT_LE(metrics.horizontalAdvance(text), roomForText(widget))
        << qPrintable(text) << " in " << qPrintable(widget->font().family());
    EXPECT_LE(metrics.height(), widget->height()) << qPrintable(text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextInFull,
    ::testing::Values(ShownText { "Form1", "Label1", nullptr }, ShownText { "Form1", "Command1", nullptr },
                      ShownText { "Form1", "Command2", nullptr },
                      ShownText { "Form1", "Text1", "All Good! Looks like it is working." },
                      ShownText { "Form1", "Text1", "Well that was fun ...." },
                      ShownText { "Form2", "Label1", nullptr }, ShownText { "Form2", "Command2", nullptr }));

} // namespace
} // namespace qv::test
