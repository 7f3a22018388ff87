#pragma once
// Stored fonts: a face, a size in points, a weight and the style flags, as a window or control stores them.

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

} // namespace qv
