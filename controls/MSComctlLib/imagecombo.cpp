#include "imagecombo.h"

#include "controls/interface/checked_block.h"

#include <QComboBox>

namespace qv::mscomctl
{

ControlLibrary::Creation createImageCombo(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const QString text = state.text(u"Text", {});
    if (!state.ok())
        return { nullptr, state.error() };

    auto *combo = new QComboBox(&container);
    combo->setEditable(true);
    combo->setEditText(text);
    return { combo, {} };
}

} // namespace qv::mscomctl
