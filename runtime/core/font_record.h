#pragma once
// Stored fonts and the face that stands in for the classic default face where it is not installed.

#include <QFont>
#include <string_view>

namespace qv
{

struct FontRecord {
    std::string_view face;
    double pointSize;
    int weight = 400; // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
};

// The runtime's default font: the face every stored layout was drawn for, at 8 points.
inline constexpr FontRecord defaultFont { "MS Sans Serif", 8.0 };

// Maps the stored faces onto installed ones whose widths fit the stored layouts. Returns the face used for
// "MS Sans Serif".
QString installFaceSubstitutions();

QFont toQFont(const FontRecord &record);

} // namespace qv
