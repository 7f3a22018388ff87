#include "statusbar.h"

#include "controls/interface/checked_block.h"

#include <QLabel>
#include <QStatusBar>
#include <QStringList>

namespace qv::mscomctl
{

namespace
{
// A new panel of the control is one inch wide before it holds any text.
constexpr int panelMinimumWidth = 96;
} // namespace

ControlLibrary::Creation createStatusBar(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int panels = state.integer(u"Panels", 1, 1, mostPanels);
    QStringList texts;
    for (int panel = 1; panel <= panels; ++panel)
        texts << state.text(QStringLiteral("PanelText(%1)").arg(panel), {});
    if (!state.ok())
        return { nullptr, state.error() };

    auto *statusBar = new QStatusBar(&container);
    for (const QString &text : texts)
        statusBar->addWidget(makePanelLabel(text, *statusBar));
    return { statusBar, {} };
}

QLabel *makePanelLabel(const QString &text, QStatusBar &bar)
{
    auto *label = new QLabel(text, &bar);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(panelMinimumWidth);
    return label;
}

} // namespace qv::mscomctl
