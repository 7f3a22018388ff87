#include "animation.h"

#include "controls/interface/accessible_role.h"
#include "controls/interface/checked_block.h"

#include <QFrame>

namespace qv::mscomctl2
{

ControlLibrary::Creation createAnimation(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const bool opaque = state.integer(u"BackStyle", 0, 0, 1) == 1;
    if (!state.ok())
        return { nullptr, state.error() };

    auto *area = new QFrame(&container);
    area->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    area->setAutoFillBackground(opaque);
    presentAs(*area, QAccessible::Animation);
    return { area, {} };
}

} // namespace qv::mscomctl2
