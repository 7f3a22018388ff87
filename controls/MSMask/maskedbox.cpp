#include "maskedbox.h"

#include "input_mask.h"

#include "controls/interface/settings_block.h"

#include <QLineEdit>

namespace qv::msmask
{

namespace
{
// The masked edit box holds at most 64 characters, mask or not.
constexpr int maxLength = 64;

// The text stored under name, or fallback when absent; a number there is refused with a message in error.
std::optional<QString> readText(const settings::PropertyBag &state, QStringView name, const QString &fallback,
                                QString &error)
{
    if (state.integer(name)) {
        error = QStringLiteral("%1 is stored as a number where a text belongs").arg(name);
        return std::nullopt;
    }
    return state.text(name).value_or(fallback);
}
} // namespace

ControlLibrary::Creation createMaskEdBox(std::span<const std::byte> settings, QWidget &container)
{
    settings::Block block;
    QString error;
    if (!settings::readBlock(settings, block, error))
        return { nullptr, error };
    const auto mask = readText(block.state, u"Mask", QString(), error);
    if (!mask)
        return { nullptr, error };
    if (mask->size() > maxLength)
        return {
            nullptr,
            QStringLiteral("Mask has %1 characters; a mask has at most %2").arg(mask->size()).arg(maxLength)
        };
    const auto prompt = readText(block.state, u"PromptChar", QStringLiteral("_"), error);
    if (!prompt)
        return { nullptr, error };
    if (prompt->size() != 1)
        return { nullptr, QStringLiteral("PromptChar is \"%1\"; it must be one character").arg(*prompt) };
    if (block.state.text(u"MaxLength"))
        return { nullptr, QStringLiteral("MaxLength is stored as a text where a number belongs") };
    const int length = block.state.integer(u"MaxLength").value_or(maxLength);
    if (length < 1 || length > maxLength)
        return { nullptr, QStringLiteral("MaxLength is %1, outside 1 to %2").arg(length).arg(maxLength) };

    std::optional<QString> inputMask;
    if (!mask->isEmpty()) {
        inputMask = toInputMask(*mask, prompt->front(), error);
        if (!inputMask)
            return { nullptr, error };
    }

    auto *edit = new QLineEdit(&container);
    if (inputMask)
        edit->setInputMask(*inputMask);
    else
        edit->setMaxLength(length);
    return { edit, {} };
}

} // namespace qv::msmask
