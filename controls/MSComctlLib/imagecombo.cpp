#include "imagecombo.h"
#include "saved_state.h"

#include <QComboBox>

namespace qv::mscomctl
{

ControlLibrary::Creation createImageCombo(std::span<const std::byte> settings, QWidget &container)
{
    SavedState state(settings);
    const QString text = state.text(u"Text", {});
    if (!state.ok())
        return { nullptr, state.error() };

    auto *combo = new QComboBox(&container);
    combo->setEditable(true);
    combo->setEditText(text);
    return { combo, {} };
}

} // namespace qv::mscomctl
