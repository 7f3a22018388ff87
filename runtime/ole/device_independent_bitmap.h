#pragma once
// Windows device-independent bitmaps at 24 bits per pixel, uncompressed, bottom-up: as a bitmap file ("BM")
// and as a packed DIB (the clipboard's CF_DIB: info header, colour table, pixels).

#include <QImage>
#include <QSize>
#include <QString>

#include <cstddef>
#include <span>
#include <vector>

namespace qv::ole
{

inline constexpr std::size_t bitmapFileHeaderSize = 14;
inline constexpr std::size_t bitmapInfoHeaderSize = 40;

// Three bytes a pixel, each row padded to whole 32-bit words.
constexpr std::size_t pixelBytes(QSize size)
{
    return (static_cast<std::size_t>(size.width()) * 3 + 3) / 4 * 4 * static_cast<std::size_t>(size.height());
}

// A bitmap file without a colour table.
std::vector<std::byte> encodeBitmapFile(const QImage &picture);
// A packed DIB whose colour table lists `palette`: at 24 bits a pixel the table is only a hint for palette
// displays, the pixels hold their colours themselves.
std::vector<std::byte> encodePackedDib(const QImage &picture, std::span<const QRgb> palette);

// Each checks every header field against a 24-bit uncompressed picture of the expected size and that the
// pixels fill the rest exactly; false with the fault otherwise.
bool decodeBitmapFile(std::span<const std::byte> bytes, QSize expected, QImage &out, QString &error);
bool decodePackedDib(std::span<const std::byte> bytes, QSize expected, QImage &out, QString &error);

} // namespace qv::ole
