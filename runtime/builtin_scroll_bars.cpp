// The horizontal and vertical scroll bars.

#include "builtin_makers.h"

#include <QScrollBar>

namespace qv
{

// The classic control's defaults: 0 to 32767, one unit a step and a page, so the thumb keeps its smallest
// size.
QWidget *makeScrollBar(Qt::Orientation orientation, QWidget &container)
{
    auto *bar = new QScrollBar(orientation, &container);
    bar->setRange(0, 32767);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    return bar;
}

} // namespace qv
