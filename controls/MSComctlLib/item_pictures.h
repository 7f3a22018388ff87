#pragma once
// An item's pictures come from an ImageList bound to its control. These stand-ins bind none, so an item
// given a picture is refused as the control refuses one before its ImageList is set, naming the argument.

#include <quorvane/outcome.h>

#include <QVariant>
#include <optional>

namespace qv::mscomctl
{

inline constexpr Status imageListNotInitialized = static_cast<Status>(0x800A8B1Du); // 35613

// Why an item cannot have the picture `picture` given as `argument`; none when the argument was left out.
inline std::optional<Failure> refusedPicture(const char *argument, const QVariant &picture)
{
    if (!picture.isValid())
        return std::nullopt;
    return failure(imageListNotInitialized,
                   QStringLiteral("ImageList must be initialized before it can be used: %1 %2 names a "
                                  "picture, and the control has no ImageList to take it from")
                       .arg(QLatin1String(argument), picture.toString()));
}

} // namespace qv::mscomctl
