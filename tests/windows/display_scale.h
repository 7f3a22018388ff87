#pragma once
// The display scale a test runs at, and stored twips as the device pixels a user sees at that scale.

#include <QRectF>
#include <QtGlobal>
#include <cmath>
#include <string>

namespace qv::test
{

// The scale the run was started with, as a user sets it (QT_SCALE_FACTOR); the offscreen screen itself is at
// 100 %, 96 dots an inch.
inline double displayScale()
{
    bool set = false;
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    return set ? scale : 1.0;
}

// Stored twips as logical pixels, 15 a pixel whatever the scale.
inline QRect storedInLogicalPixels(int left, int top, int width, int height)
{
    return QRectF(left / 15.0, top / 15.0, width / 15.0, height / 15.0).toRect();
}

// Stored twips, 15 a pixel at 100 %, as device pixels at the display scale.
inline QRectF storedInDevicePixels(int left, int top, int width, int height)
{
    const double perTwip = displayScale() / 15.0;
    return QRectF(left * perTwip, top * perTwip, width * perTwip, height * perTwip);
}

// A widget's logical geometry as the device pixels its window draws it with.
inline QRectF inDevicePixels(const QRect &logical, qreal devicePixelRatio)
{
    return QRectF(logical.x() * devicePixelRatio, logical.y() * devicePixelRatio,
                  logical.width() * devicePixelRatio, logical.height() * devicePixelRatio);
}

// Every edge within a device pixel: rounding, and no more.
inline bool withinAPixel(const QRectF &actual, const QRectF &expected)
{
    const auto near = [](double a, double b) { return std::abs(a - b) <= 1.0; };
    return near(actual.left(), expected.left()) && near(actual.top(), expected.top())
        && near(actual.right(), expected.right()) && near(actual.bottom(), expected.bottom());
}

inline std::string describe(const QRectF &r)
{
    return std::to_string(r.x()) + ',' + std::to_string(r.y()) + ' ' + std::to_string(r.width()) + 'x'
        + std::to_string(r.height());
}

} // namespace qv::test
