#pragma once
// Stored fonts as Qt draws them, and the face that stands in for the classic default face where it is not
// installed.

#include <quorvane/font_record.h>

#include <QFont>
#include <QString>

namespace qv
{

// Maps the stored faces onto installed ones whose widths fit the stored layouts. Returns the face used for
// "MS Sans Serif".
QString installFaceSubstitutions();

QFont toQFont(const FontRecord &record);

} // namespace qv
