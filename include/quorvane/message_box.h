#pragma once
// The message box a program shows: a prompt, a set of buttons, an icon, a default button and a title, modal
// over the program's windows until it is answered. Its style is the sum the forms runtime's programs write:
// buttons + icon + (default button - 1) * 256, which messageStyle() adds up.

#include <quorvane/export.h>
#include <quorvane/status.h>

#include <QStringView>
#include <cstdint>

namespace qv
{

class Runtime;

enum class MessageButtons : std::int32_t {
    Ok = 0,
    OkCancel = 1,
    AbortRetryIgnore = 2,
    YesNoCancel = 3,
    YesNo = 4,
    RetryCancel = 5
};
enum class MessageIcon : std::int32_t {
    None = 0,
    Critical = 16,
    Question = 32,
    Exclamation = 48,
    Information = 64
};
// The button pressed, by the forms runtime's values.
enum class MessageAnswer : std::int16_t {
    Ok = 1,
    Cancel = 2,
    Abort = 3,
    Retry = 4,
    Ignore = 5,
    Yes = 6,
    No = 7
};

// defaultButton counts from 1, the leftmost button.
constexpr std::int32_t messageStyle(MessageButtons buttons, MessageIcon icon = MessageIcon::None,
                                    int defaultButton = 1)
{
    return static_cast<std::int32_t>(buttons) + static_cast<std::int32_t>(icon) + (defaultButton - 1) * 256;
}

// Shows the message box and returns once it is answered; an empty title is the program's. Escape and the
// close box answer Cancel where there is a Cancel button, and Ok in a box with Ok alone; the other boxes
// must be answered with a button. A style that is not such a sum fails (invalid procedure call, nothing
// shown), and so does a box nobody can answer (a program running without a display): its prompt goes to
// standard error and the failure says why.
QUORVANE_EXPORT Status messageBox(Runtime &runtime, QStringView prompt, std::int32_t style, QStringView title,
                                  MessageAnswer &answer);

} // namespace qv
