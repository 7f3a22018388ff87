#pragma once
// A message box as the runtime asks its host to show it: the style already taken apart and checked.

#include <quorvane/message_box.h>
#include <quorvane/outcome.h>

#include <QString>
#include <span>

namespace qv
{

struct MessageRequest {
    QString prompt;
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    int defaultButton = 0; // from 0, the leftmost; always one of the box's buttons
};

// The request a style asks for, or why it is not one: unknown buttons, icon or default button bits.
Outcome<MessageRequest> messageRequestOf(QString prompt, std::int32_t style, QString title);
// The box's buttons from left to right, as their answers.
std::span<const MessageAnswer> answersOf(MessageButtons buttons);

} // namespace qv
