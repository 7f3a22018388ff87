#include "animation.h"
#include "saved_state.h"

#include "controls/interface/settings_block.h"

#include <QFrame>

namespace qv::mscomctl2
{

ControlLibrary::Creation createAnimation(std::span<const std::byte> settings, QWidget &container)
{
    settings::Block block;
    QString error;
    if (!settings::readBlock(settings, block, error))
        return { nullptr, error };
    SavedState state(block.state);
    const bool opaque = state.integer(u"BackStyle", 0, 1, 0) == 1;
    if (state.failed())
        return { nullptr, state.fault() };

    auto *area = new QFrame(&container);
    area->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    area->setAutoFillBackground(opaque);
    return { area, {} };
}

} // namespace qv::mscomctl2
