#include "mm_control.h"
#include "button_symbols.h"

#include "controls/interface/settings_block.h"

#include <QBoxLayout>
#include <QFrame>
#include <QToolButton>

namespace qv::mci
{

namespace
{
// A 0-or-1 property, or the fallback when absent; anything else leaves a fault naming the property.
int readChoice(const settings::PropertyBag &state, const QString &name, int fallback, QString &fault)
{
    if (const std::optional<std::int32_t> value = state.integer(name)) {
        if (*value == 0 || *value == 1)
            return *value;
        fault = QStringLiteral("%1 is %2; it must be 0 or 1").arg(name).arg(*value);
    } else if (state.text(name)) {
        fault = QStringLiteral("%1 is text where 0 or 1 belongs").arg(name);
    }
    return fallback;
}
} // namespace

ControlLibrary::Creation createMMControl(std::span<const std::byte> settings, QWidget &container)
{
    settings::Block block;
    QString error;
    if (!settings::readBlock(settings, block, error))
        return { nullptr, error };
    const bool vertical = readChoice(block.state, QStringLiteral("Orientation"), 0, error) == 1;
    std::array<bool, mmButtons.size()> visible {};
    for (std::size_t i = 0; i < mmButtons.size() && error.isEmpty(); ++i) {
        const QString name = QLatin1String(mmButtons[i].second) + QLatin1String("Visible");
        visible[i] = readChoice(block.state, name, 1, error) == 1;
    }
    if (!error.isEmpty())
        return { nullptr, error };

    auto *control = new QFrame(&container);
    auto *layout = new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, control);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (std::size_t i = 0; i < mmButtons.size(); ++i) {
        const auto &[which, name] = mmButtons[i];
        auto *button = new QToolButton(control);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(QLatin1String(name));
        button->setIcon(buttonSymbol(which));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        // With no device open the control offers none of its commands.
        button->setEnabled(false);
        if (!visible[i])
            button->hide();
        layout->addWidget(button);
    }
    return { control, {} };
}

} // namespace qv::mci
