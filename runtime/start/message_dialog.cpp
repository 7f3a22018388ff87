#include "runtime/start/message_dialog.h"

namespace qv
{

namespace
{
QMessageBox::StandardButton buttonOf(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok:
        return QMessageBox::Ok;
    case MessageAnswer::Cancel:
        return QMessageBox::Cancel;
    case MessageAnswer::Abort:
        return QMessageBox::Abort;
    case MessageAnswer::Retry:
        return QMessageBox::Retry;
    case MessageAnswer::Ignore:
        return QMessageBox::Ignore;
    case MessageAnswer::Yes:
        return QMessageBox::Yes;
    case MessageAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::NoButton;
}

QMessageBox::Icon iconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}
} // namespace

std::unique_ptr<QMessageBox> makeMessageDialog(const MessageRequest &request)
{
    // Modal over every window of the program, as exec() shows a box without a parent. Escape and the close
    // box take Qt's choice of button: Cancel, else No or Abort, else Ok where it stands alone.
    auto box = std::make_unique<QMessageBox>(iconOf(request.icon), request.title, request.prompt);
    box->setTextFormat(Qt::PlainText);
    const std::span<const MessageAnswer> answers = answersOf(request.buttons);
    for (const MessageAnswer answer : answers)
        box->addButton(buttonOf(answer));
    box->setDefaultButton(buttonOf(answers[static_cast<std::size_t>(request.defaultButton)]));
    return box;
}

std::optional<MessageAnswer> answerOf(QMessageBox &box)
{
    QAbstractButton *clicked = box.clickedButton();
    if (!clicked)
        return std::nullopt;
    for (const MessageAnswer answer :
         { MessageAnswer::Ok, MessageAnswer::Cancel, MessageAnswer::Abort, MessageAnswer::Retry,
           MessageAnswer::Ignore, MessageAnswer::Yes, MessageAnswer::No }) {
        if (box.standardButton(clicked) == buttonOf(answer))
            return answer;
    }
    return std::nullopt;
}

} // namespace qv
