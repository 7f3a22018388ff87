#pragma once
// The object that describes and carries a control's members: a QObject whose meta-object is the class's one
// description (Q_PROPERTY, Q_INVOKABLE, signals for events, Q_ENUM). The late-bound calls read it; a setter
// or a method that cannot do what it is asked refuses, and the call that reached it fails with that reason.

#include <quorvane/outcome.h>

#include <QObject>
#include <QWidget>
#include <cmath>
#include <limits>
#include <optional>

namespace qv
{

class MemberObject : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Said by a setter or a method that leaves everything as it was: the status and why.
    void refuse(Status status, QString reason) { refusal_ = failure(status, std::move(reason)); }
    void refuse(Failure why) { refusal_ = std::move(why); }
    std::optional<Failure> takeRefusal() { return std::exchange(refusal_, std::nullopt); }

private:
    std::optional<Failure> refusal_;
};

// An argument left out: the value a method keeps as it is.
inline constexpr int keep = std::numeric_limits<int>::min();
inline constexpr float omitted = std::numeric_limits<float>::quiet_NaN();

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
