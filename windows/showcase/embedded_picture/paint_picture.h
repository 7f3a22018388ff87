#pragma once
// The picture inside the showcase window's embedded Paint.Picture object: a landscape with a sun, hills, a
// tree and a "QUORVANE" sign, drawn the same way every time.

#include <QImage>
#include <QRgb>
#include <QSize>

#include <array>
#include <cstddef>

namespace qv::showcase
{

inline constexpr QSize paintPictureSize { 300, 250 };

// The picture's key colours, the ones every part of it is drawn from.
inline constexpr std::size_t paintPictureKeyColourCount = 26;
const std::array<QRgb, paintPictureKeyColourCount> &paintPictureKeyColours();

// Drawn without text or fonts, so the same on every machine; on a plain image, so with no application or
// display either.
QImage drawPaintPicture();

} // namespace qv::showcase
