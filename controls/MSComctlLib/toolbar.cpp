#include "toolbar.h"

#include "controls/interface/checked_block.h"

#include <QStringList>
#include <QToolBar>

namespace qv::mscomctl
{

ControlLibrary::Creation createToolbar(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int buttons = state.integer(u"Buttons", 0, 0, 64);
    QStringList captions;
    for (int button = 1; button <= buttons; ++button)
        captions << state.text(QStringLiteral("ButtonCaption(%1)").arg(button), {});
    if (!state.ok())
        return { nullptr, state.error() };

    // The control's bar cannot be dragged off or floated; it lives where the form puts it.
    auto *toolBar = new QToolBar(&container);
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    for (const QString &caption : captions)
        toolBar->addAction(caption);
    return { toolBar, {} };
}

} // namespace qv::mscomctl
