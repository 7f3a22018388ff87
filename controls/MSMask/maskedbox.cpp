#include "maskedbox.h"

#include "input_mask.h"

#include "controls/interface/checked_block.h"

#include <QLineEdit>

namespace qv::msmask
{

ControlLibrary::Creation createMaskEdBox(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const QString mask = state.text(u"Mask", {});
    if (mask.size() > maxMaskedLength)
        state.refuse(QStringLiteral("Mask has %1 characters; a mask has at most %2")
                         .arg(mask.size())
                         .arg(maxMaskedLength));
    const QChar prompt = state.character(u"PromptChar", u'_');
    const int length = state.integer(u"MaxLength", maxMaskedLength, 1, maxMaskedLength);
    if (!state.ok())
        return { nullptr, state.error() };

    const Outcome<QString> inputMask = mask.isEmpty() ? QString() : toInputMask(mask, prompt);
    if (!inputMask)
        return { nullptr, inputMask.failure().info.description };

    auto *edit = new QLineEdit(&container);
    edit->setProperty(maskProperty, mask);
    edit->setProperty(promptProperty, QString(prompt));
    edit->setProperty(maxLengthProperty, length);
    if (!mask.isEmpty())
        edit->setInputMask(inputMask.value());
    else
        edit->setMaxLength(length);
    return { edit, {} };
}

} // namespace qv::msmask
