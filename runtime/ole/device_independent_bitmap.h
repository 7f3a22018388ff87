#pragma once
// Windows device-independent bitmaps at 24 bits per pixel, uncompressed: as a bitmap file ("BM") and as a
// packed DIB (the clipboard's CF_DIB: info header, colour table, pixels), decoded with Qt's BMP handler.

#include "runtime/ole/bad_document.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <cstddef>
#include <span>

namespace qv::ole
{

inline constexpr std::size_t bitmapFileHeaderSize = 14;
inline constexpr std::size_t bitmapInfoHeaderSize = 40;

// Three bytes a pixel, each row padded to whole 32-bit words.
constexpr std::size_t pixelBytes(QSize size)
{
    return (static_cast<std::size_t>(size.width()) * 3 + 3) / 4 * 4 * static_cast<std::size_t>(size.height());
}

// Each decodes a 24-bit uncompressed picture of the expected size, or fails with the fault.
Outcome<QImage> decodeBitmapFile(std::span<const std::byte> bytes, QSize expected);
Outcome<QImage> decodePackedDib(std::span<const std::byte> bytes, QSize expected);

} // namespace qv::ole
