#include "datacombo.h"

#include "controls/interface/checked_block.h"

#include <QComboBox>

namespace qv::msdatalist
{

ControlLibrary::Creation createDataCombo(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int style = state.integer(u"Style", 0, 0, dropDownListStyle);
    const QString text = state.text(u"Text", {});
    if (!state.ok())
        return { nullptr, state.error() };

    auto *combo = new QComboBox(&container);
    combo->setProperty(comboStyleProperty, style);
    // A simple combo gets the drop-down combo's editable box: Qt has no combo box whose list stays open.
    if (style != dropDownListStyle) {
        combo->setEditable(true);
        combo->setEditText(text);
    }
    return { combo, {} };
}

} // namespace qv::msdatalist
