#include "runtime/core/message_request.h"
#include "runtime/core/runtime.h"

#include <array>

namespace qv
{

namespace
{
constexpr std::int32_t buttonBits = 0x000F;
constexpr std::int32_t iconBits = 0x00F0;
constexpr std::int32_t defaultBits = 0x0F00;
// Modal over the whole system, and brought to the foreground: this box is modal over the program's windows
// and comes to the front anyway, so both are taken and change nothing.
constexpr std::int32_t harmlessBits = 0x1000 | 0x10000;

using enum MessageAnswer;
constexpr std::array ok { Ok };
constexpr std::array okCancel { Ok, Cancel };
constexpr std::array abortRetryIgnore { Abort, Retry, Ignore };
constexpr std::array yesNoCancel { Yes, No, Cancel };
constexpr std::array yesNo { Yes, No };
constexpr std::array retryCancel { Retry, Cancel };
} // namespace

std::span<const MessageAnswer> answersOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return ok;
    case MessageButtons::OkCancel:
        return okCancel;
    case MessageButtons::AbortRetryIgnore:
        return abortRetryIgnore;
    case MessageButtons::YesNoCancel:
        return yesNoCancel;
    case MessageButtons::YesNo:
        return yesNo;
    case MessageButtons::RetryCancel:
        return retryCancel;
    }
    return {};
}

Outcome<MessageRequest> messageRequestOf(QString prompt, std::int32_t style, QString title)
{
    const auto refused = [&](const QString &why) {
        return failure(status::invalidProcedureCall,
                       QStringLiteral("Message box style %1: %2.").arg(style).arg(why));
    };
    if (style < 0 || (style & ~(buttonBits | iconBits | defaultBits | harmlessBits)) != 0)
        return refused(QStringLiteral("it has bits that are no buttons, icon or default button"));
    MessageRequest request { std::move(prompt), std::move(title) };
    const std::int32_t buttons = style & buttonBits;
    if (buttons > static_cast<std::int32_t>(MessageButtons::RetryCancel))
        return refused(QStringLiteral("buttons %1 are none of 0 to 5").arg(buttons));
    request.buttons = static_cast<MessageButtons>(buttons);
    const std::int32_t icon = style & iconBits;
    if (icon > static_cast<std::int32_t>(MessageIcon::Information))
        return refused(QStringLiteral("icon %1 is none of 0, 16, 32, 48 and 64").arg(icon));
    request.icon = static_cast<MessageIcon>(icon);
    const int defaultButton = (style & defaultBits) >> 8;
    if (defaultButton > 3)
        return refused(
            QStringLiteral("default button %1 is none of 0, 256, 512 and 768").arg(defaultButton * 256));
    // A default beyond the box's buttons is its first, as it always was.
    const auto count = static_cast<int>(answersOf(request.buttons).size());
    request.defaultButton = defaultButton < count ? defaultButton : 0;
    return request;
}

Status messageBox(Runtime &runtime, QStringView prompt, std::int32_t style, QStringView title,
                  MessageAnswer &answer)
{
    if (runtime.hasEnded())
        return runtime.statusOf(failure(status::programEnded, QStringLiteral("The program has ended.")));
    const QString titled = title.isEmpty() ? runtime.title() : title.toString();
    Outcome<MessageRequest> request = messageRequestOf(prompt.toString(), style, titled);
    if (!request)
        return runtime.statusOf(request.failure());
    const std::optional<MessageAnswer> answered = runtime.host().askMessage(request.value());
    if (!answered)
        return runtime.statusOf(failure(status::fail,
                                        QStringLiteral("The message box \"%1\" cannot be answered: the "
                                                       "program runs where nobody can see it.")
                                            .arg(request.value().prompt)));
    answer = *answered;
    return runtime.statusOf({});
}

} // namespace qv
