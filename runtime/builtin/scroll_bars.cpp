// The horizontal and vertical scroll bars.

#include "runtime/builtin/makers.h"

#include <QScrollBar>

namespace qv::builtin
{

// The classic control's defaults: 0 to 32767, one unit a step and a page, so the thumb keeps its smallest
// size.
namespace
{
QScrollBar *makeScrollBar(Qt::Orientation orientation, QWidget &container)
{
    auto *bar = new QScrollBar(orientation, &container);
    bar->setRange(0, 32767);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    return bar;
}
} // namespace

Outcome<QObject *> makeHScrollBar(const ControlRecord &, const MakeSite &site)
{
    return makeScrollBar(Qt::Horizontal, site.container);
}

Outcome<QObject *> makeVScrollBar(const ControlRecord &, const MakeSite &site)
{
    return makeScrollBar(Qt::Vertical, site.container);
}

} // namespace qv::builtin
