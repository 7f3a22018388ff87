#pragma once
// Where a control's widget goes in its container, in pixels, from its stored record.

#include "controls/interface/twips.h"
#include <quorvane/form_description.h>

#include <QRect>

class QWidget;

namespace qv
{

// The stored position and size; a control aligned to an edge keeps to that edge at the container's full
// width. A line's record has no size: its widget covers the line from (left, top) to (x2, y2).
QRect placement(const ControlRecord &record, const QWidget &container, const TwipsScale &scale);

// The pixels a line covers, ends included: of its stored record, and of its two ends in pixels.
QRect lineBounds(QPoint from, QPoint to);

} // namespace qv
