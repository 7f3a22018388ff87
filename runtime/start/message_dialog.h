#pragma once
// The window of a program's message box: Qt's message box with the request's buttons, icon, default button
// and title, and the answer of the button pressed.

#include "runtime/core/message_request.h"

#include <QMessageBox>
#include <memory>
#include <optional>

namespace qv
{

std::unique_ptr<QMessageBox> makeMessageDialog(const MessageRequest &request);
// The answer of the button that closed the box; nothing while none has.
std::optional<MessageAnswer> answerOf(QMessageBox &box);

} // namespace qv
