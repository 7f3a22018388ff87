#include "maskedbox.h"

#include "input_mask.h"

#include "controls/interface/checked_block.h"

#include <QLineEdit>

namespace qv::msmask
{

namespace
{
// The masked edit box holds at most 64 characters, mask or not.
constexpr int maxLength = 64;
} // namespace

ControlLibrary::Creation createMaskEdBox(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const QString mask = state.text(u"Mask", {});
    if (mask.size() > maxLength)
        state.refuse(
            QStringLiteral("Mask has %1 characters; a mask has at most %2").arg(mask.size()).arg(maxLength));
    const QChar prompt = state.character(u"PromptChar", u'_');
    const int length = state.integer(u"MaxLength", maxLength, 1, maxLength);
    if (!state.ok())
        return { nullptr, state.error() };

    const Outcome<QString> inputMask = mask.isEmpty() ? QString() : toInputMask(mask, prompt);
    if (!inputMask)
        return { nullptr, inputMask.failure().info.description };

    auto *edit = new QLineEdit(&container);
    if (!mask.isEmpty())
        edit->setInputMask(inputMask.value());
    else
        edit->setMaxLength(length);
    return { edit, {} };
}

} // namespace qv::msmask
