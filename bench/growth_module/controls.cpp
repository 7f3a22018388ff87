#include "controls.h"

#include "controls/interface/checked_block.h"

#include <QFrame>
#include <QLabel>

namespace qv::growth
{

ControlLibrary::Creation createPanel(std::span<const std::byte> settings, QWidget &container)
{
    const settings::CheckedBlock state(settings);
    if (!state.ok())
        return { nullptr, state.error() };
    auto *panel = new QFrame(&container);
    panel->setFrameShape(QFrame::Box);
    return { panel, {} };
}

ControlLibrary::Creation createCaption(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const QString caption = state.text(u"Caption", QStringLiteral("Caption"));
    if (!state.ok())
        return { nullptr, state.error() };
    return { new QLabel(caption, &container), {} };
}

ControlLibrary::Creation createClock(std::span<const std::byte> settings, QWidget &container)
{
    const settings::CheckedBlock state(settings);
    if (!state.ok())
        return { nullptr, state.error() };
    return { new QObject(&container), {} };
}

} // namespace qv::growth
