#include "datacombo.h"

#include "controls/interface/settings_block.h"

#include <QComboBox>

namespace qv::msdatalist
{

namespace
{
constexpr int dropDownList = 2;
} // namespace

ControlLibrary::Creation createDataCombo(std::span<const std::byte> settings, QWidget &container)
{
    settings::Block block;
    QString error;
    if (!settings::readBlock(settings, block, error))
        return { nullptr, error };
    if (block.state.text(u"Style"))
        return { nullptr, QStringLiteral("Style is stored as a text where a number belongs") };
    const int style = block.state.integer(u"Style").value_or(0);
    if (style < 0 || style > dropDownList)
        return { nullptr,
                 QStringLiteral("Style is %1; a data combo is 0 (drop-down combo), 1 (simple combo) or 2 "
                                "(drop-down list)")
                     .arg(style) };
    if (block.state.integer(u"Text"))
        return { nullptr, QStringLiteral("Text is stored as a number where a text belongs") };

    auto *combo = new QComboBox(&container);
    // A simple combo gets the drop-down combo's editable box: Qt has no combo box whose list stays open.
    if (style != dropDownList) {
        combo->setEditable(true);
        combo->setEditText(block.state.text(u"Text").value_or(QString()));
    }
    return { combo, {} };
}

} // namespace qv::msdatalist
