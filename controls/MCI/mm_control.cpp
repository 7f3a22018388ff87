#include "mm_control.h"
#include "button_symbols.h"

#include "controls/interface/checked_block.h"
#include "controls/interface/accessible_role.h"

#include <QBoxLayout>
#include <QFrame>
#include <QToolButton>

namespace qv::mci
{

ControlLibrary::Creation createMMControl(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const bool vertical = state.integer(u"Orientation", 0, 0, 1) == 1;
    std::array<bool, mmButtons.size()> visible {};
    for (std::size_t i = 0; i < mmButtons.size(); ++i) {
        const QString name = QLatin1String(mmButtons[i].second) + QLatin1String("Visible");
        visible[i] = state.flag(name, true);
    }
    if (!state.ok())
        return { nullptr, state.error() };

    auto *control = new QFrame(&container);
    presentAs(*control, QAccessible::ToolBar); // a row of player buttons
    auto *layout = new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, control);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (std::size_t i = 0; i < mmButtons.size(); ++i) {
        const auto &[which, name] = mmButtons[i];
        auto *button = new QToolButton(control);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(QLatin1String(name));
        button->setAccessibleName(QLatin1String(name)); // the symbol alone says nothing to a screen reader
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
