#pragma once
// What the runtime's member objects share beyond the public base: arguments left out of a call, and the
// reach of a window's position and size.

#include <quorvane/member_object.h>

#include <QWidget>
#include <cmath>
#include <limits>
#include <optional>

namespace qv
{

// A Move argument in twips, or nothing when it was left out.
inline std::optional<double> givenTwips(float twips)
{
    return std::isnan(twips) ? std::nullopt : std::optional<double>(twips);
}

// Why a window cannot be placed at these twips, or nothing: no negative size, and no further than a window
// reaches (QWIDGETSIZE_MAX pixels at 15 twips a pixel).
inline std::optional<QString> unplaceable(std::optional<double> left, std::optional<double> top,
                                          std::optional<double> width, std::optional<double> height)
{
    if ((width && *width < 0) || (height && *height < 0))
        return QStringLiteral("a width or height cannot be negative");
    const double most = QWIDGETSIZE_MAX * 15.0;
    for (const std::optional<double> &twips : { left, top, width, height }) {
        if (twips && std::abs(*twips) > most)
            return QStringLiteral("a position or size is at most %1 twips").arg(most, 0, 'f', 0);
    }
    return std::nullopt;
}

} // namespace qv
