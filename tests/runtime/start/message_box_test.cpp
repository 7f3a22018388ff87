// A program's message box: its style taken apart into the window a user sees (buttons, icon, default
// button), the button pressed returned to the program, and the styles that are none refused before anything
// is shown.

#include "runtime/start/desktop_host.h"
#include "runtime/start/message_dialog.h"
#include "runtime/start/standard_runtime.h"
#include "support/recording_host.h"
#include <quorvane/message_box.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace qv
{
namespace
{

struct BoxCase {
    const char *name;
    std::int32_t style;
    QMessageBox::Icon icon;
    MessageAnswer defaultAnswer; // what Enter answers
    MessageAnswer escapeAnswer; // what Escape answers
};

class MessageBoxes : public ::testing::TestWithParam<BoxCase>
{
};

// Runs the box as the runtime runs it, pressing a key once it is up.
std::optional<MessageAnswer> answerWithKey(QMessageBox &box, Qt::Key key)
{
    QTimer::singleShot(0, &box, [&box, key] { QTest::keyClick(&box, key); });
    box.exec();
    return answerOf(box);
}

TEST_P(MessageBoxes, ShowTheStylesButtonsAndReturnTheOnePressed)
{
    const BoxCase &row = GetParam();
    Outcome<MessageRequest> request
        = messageRequestOf(QStringLiteral("Save the changes?"), row.style, QStringLiteral("Quorvane"));
    ASSERT_TRUE(request) << request.failure().explanation().toStdString();
    const std::span<const MessageAnswer> answers = answersOf(request.value().buttons);

    // Each button the box shows answers what the style lists, and nothing else is shown.
    std::unique_ptr<QMessageBox> box = makeMessageDialog(request.value());
    EXPECT_EQ(box->icon(), row.icon);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Quorvane"));
    EXPECT_EQ(box->text(), QStringLiteral("Save the changes?"));
    const QList<QAbstractButton *> buttons = box->buttons();
    ASSERT_EQ(static_cast<std::size_t>(buttons.size()), answers.size());
    std::vector<MessageAnswer> shown;
    for (int i = 0; i < buttons.size(); ++i) {
        std::unique_ptr<QMessageBox> fresh = makeMessageDialog(request.value());
        QAbstractButton *button = fresh->buttons().at(i);
        QTimer::singleShot(0, button, [button] { button->click(); });
        fresh->exec();
        ASSERT_TRUE(answerOf(*fresh)) << button->text().toStdString();
        shown.push_back(*answerOf(*fresh));
    }
    EXPECT_TRUE(std::is_permutation(shown.begin(), shown.end(), answers.begin(), answers.end()));

    std::unique_ptr<QMessageBox> forEnter = makeMessageDialog(request.value());
    EXPECT_EQ(answerWithKey(*forEnter, Qt::Key_Return), row.defaultAnswer);
    std::unique_ptr<QMessageBox> forEscape = makeMessageDialog(request.value());
    EXPECT_EQ(answerWithKey(*forEscape, Qt::Key_Escape), row.escapeAnswer);
}

using enum MessageAnswer;
INSTANTIATE_TEST_SUITE_P(
    EveryButtonSet, MessageBoxes,
    ::testing::Values(
        BoxCase { "OkAlone", messageStyle(MessageButtons::Ok), QMessageBox::NoIcon, Ok, Ok },
        BoxCase { "OkCancelCritical", messageStyle(MessageButtons::OkCancel, MessageIcon::Critical),
                  QMessageBox::Critical, Ok, Cancel },
        BoxCase { "AbortRetryIgnoreThirdDefault",
                  messageStyle(MessageButtons::AbortRetryIgnore, MessageIcon::Exclamation, 3),
                  QMessageBox::Warning, Ignore, Abort },
        BoxCase { "YesNoCancelSecondDefault",
                  messageStyle(MessageButtons::YesNoCancel, MessageIcon::Question, 2), QMessageBox::Question,
                  No, Cancel },
        BoxCase { "YesNoInformation", messageStyle(MessageButtons::YesNo, MessageIcon::Information),
                  QMessageBox::Information, Yes, No },
        // A default beyond the box's buttons is its first.
        BoxCase { "RetryCancelDefaultBeyondIsFirst", messageStyle(MessageButtons::RetryCancel) + 512,
                  QMessageBox::NoIcon, Retry, Cancel },
        // Modal over the system and brought to the front: taken, the same box.
        BoxCase { "SystemModalForeground", messageStyle(MessageButtons::OkCancel) + 4096 + 65536,
                  QMessageBox::NoIcon, Ok, Cancel }),
    [](const auto &row) { return std::string(row.param.name); });

class ProgramMessageBox : public ::testing::Test
{
protected:
    test::RecordingHost host;
    StandardRuntime runtime { host };
};

TEST_F(ProgramMessageBox, ReturnsTheAnswerAndTakesTheProgramsTitleWhenGivenNone)
{
    host.answer = MessageAnswer::No;
    MessageAnswer answer = MessageAnswer::Ok;
    EXPECT_EQ(messageBox(runtime, u"Save?", messageStyle(MessageButtons::YesNo, MessageIcon::Question, 2), {},
                         answer),
              status::ok);
    EXPECT_EQ(answer, MessageAnswer::No);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].title, runtime.title());
    EXPECT_EQ(host.messages[0].defaultButton, 1);
    EXPECT_EQ(messageBox(runtime, u"Saved.", 0, u"Editor", answer), status::ok);
    EXPECT_EQ(host.messages.at(1).title, QStringLiteral("Editor"));
}

struct RefusedStyle {
    const char *name;
    std::int32_t style;
    const char *why;
};

class RefusedStyles : public ProgramMessageBox, public ::testing::WithParamInterface<RefusedStyle>
{
};

TEST_P(RefusedStyles, FailBeforeAnythingIsShown)
{
    MessageAnswer answer = MessageAnswer::Ok;
    EXPECT_EQ(messageBox(runtime, u"Save?", GetParam().style, {}, answer), status::invalidProcedureCall);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(runtime.takeErrorObject().description, QString::fromUtf8(GetParam().why));
}

INSTANTIATE_TEST_SUITE_P(
    NotASumOfStyles, RefusedStyles,
    ::testing::Values(
        RefusedStyle { "Buttons", 6, "Message box style 6: buttons 6 are none of 0 to 5." },
        RefusedStyle { "Icon", 80, "Message box style 80: icon 80 is none of 0, 16, 32, 48 and 64." },
        RefusedStyle { "DefaultButton", 1024,
                       "Message box style 1024: default button 1024 is none of 0, 256, 512 and 768." },
        RefusedStyle { "HelpButton", 16384,
                       "Message box style 16384: it has bits that are no buttons, icon or default button." },
        RefusedStyle { "Negative", -1,
                       "Message box style -1: it has bits that are no buttons, icon or default button." }),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(ProgramMessageBox, NobodyToAnswerIsAFailureNamingThePrompt)
{
    host.answer.reset();
    MessageAnswer answer = MessageAnswer::Ok;
    EXPECT_EQ(messageBox(runtime, u"Save?", 0, {}, answer), status::fail);
    EXPECT_EQ(
        runtime.takeErrorObject().description,
        QStringLiteral("The message box \"Save?\" cannot be answered: the program runs where nobody can "
                       "see it."));
    // The desktop's host, on this platform without a screen, says the same: nobody is there.
    DesktopHost desktop;
    EXPECT_FALSE(desktop.askMessage(host.messages.at(0)));
}

} // namespace
} // namespace qv
