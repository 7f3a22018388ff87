#pragma once
// Where a control's widget goes in its container, in pixels, from its stored record.

#include "form_description.h"
#include "twips.h"

#include <QRect>

class QWidget;

namespace qv
{

// The stored position and size; a control aligned to an edge keeps to that edge at the container's full
// width.
QRect placement(const ControlRecord &record, const QWidget &container, const TwipsScale &scale);

} // namespace qv
