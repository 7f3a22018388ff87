#include "device_independent_bitmap.h"

#include "byte_writer.h"
#include "controls/interface/byte_reader.h"

#include <cstdint>

namespace qv::ole
{

namespace
{
using settings::ByteReader;

constexpr std::uint32_t bitsPerPixel = 24;
constexpr std::uint32_t uncompressed = 0; // BI_RGB
constexpr std::int32_t pixelsPerMetre = 3780; // 96 dots an inch
constexpr std::uint32_t maxColourTable = 256;

std::size_t rowBytes(int width)
{
    return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
}

void writeInfoHeader(ByteWriter &w, QSize size, std::size_t colours)
{
    w.u32(bitmapInfoHeaderSize);
    w.i32(size.width());
    w.i32(size.height()); // positive: the bottom row comes first
    w.u16(1); // planes
    w.u16(bitsPerPixel);
    w.u32(uncompressed);
    w.u32(static_cast<std::uint32_t>(pixelBytes(size)));
    w.i32(pixelsPerMetre);
    w.i32(pixelsPerMetre);
    w.u32(static_cast<std::uint32_t>(colours)); // colours used
    w.u32(0); // all of them important
}

void writePixels(ByteWriter &w, const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const std::size_t padding = rowBytes(rgb.width()) - static_cast<std::size_t>(rgb.width()) * 3;
    for (int y = rgb.height() - 1; y >= 0; --y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb pixel = rgb.pixel(x, y);
            w.u8(static_cast<std::uint32_t>(qBlue(pixel)));
            w.u8(static_cast<std::uint32_t>(qGreen(pixel)));
            w.u8(static_cast<std::uint32_t>(qRed(pixel)));
        }
        w.zeros(padding);
    }
}

// Reads the 40-byte info header and checks it describes the expected picture; colours receives the length
// of the colour table that follows it.
bool readInfoHeader(ByteReader &r, QSize expected, std::uint32_t &colours, QString &error)
{
    std::uint32_t headerSize = 0, width = 0, height = 0, planes = 0, bits = 0, compression = 0, imageSize = 0,
                  xDensity = 0, yDensity = 0, important = 0;
    if (!r.u32(headerSize) || !r.u32(width) || !r.u32(height) || !r.u16(planes) || !r.u16(bits)
        || !r.u32(compression) || !r.u32(imageSize) || !r.u32(xDensity) || !r.u32(yDensity) || !r.u32(colours)
        || !r.u32(important)) {
        error = QStringLiteral("the bitmap's info header is cut short");
        return false;
    }
    if (headerSize != bitmapInfoHeaderSize) {
        error = QStringLiteral("the bitmap's info header gives its size as %1, not %2")
                    .arg(headerSize)
                    .arg(bitmapInfoHeaderSize);
        return false;
    }
    const auto signedWidth = static_cast<std::int32_t>(width);
    const auto signedHeight = static_cast<std::int32_t>(height);
    if (signedWidth != expected.width() || signedHeight != expected.height()) {
        error = QStringLiteral("the bitmap is %1 x %2 pixels, not %3 x %4")
                    .arg(signedWidth)
                    .arg(signedHeight)
                    .arg(expected.width())
                    .arg(expected.height());
        return false;
    }
    if (planes != 1 || bits != bitsPerPixel) {
        error = QStringLiteral("the bitmap has %1 plane(s) of %2 bits a pixel, not one of 24")
                    .arg(planes)
                    .arg(bits);
        return false;
    }
    if (compression != uncompressed) {
        error = QStringLiteral("the bitmap is compressed (method %1), not stored plain").arg(compression);
        return false;
    }
    if (imageSize != 0 && imageSize != pixelBytes(expected)) {
        error = QStringLiteral("the bitmap's info header gives %1 bytes of pixels, not %2")
                    .arg(imageSize)
                    .arg(pixelBytes(expected));
        return false;
    }
    if (colours > maxColourTable || important > colours) {
        error = QStringLiteral("the bitmap's colour table of %1 entries (%2 important) is out of range")
                    .arg(colours)
                    .arg(important);
        return false;
    }
    return true;
}

bool readPixels(std::span<const std::byte> pixels, QSize size, QImage &out, QString &error)
{
    const std::size_t stride = rowBytes(size.width());
    if (pixels.size() != stride * static_cast<std::size_t>(size.height())) {
        error = QStringLiteral("the bitmap holds %1 bytes of pixels, not %2")
                    .arg(pixels.size())
                    .arg(stride * static_cast<std::size_t>(size.height()));
        return false;
    }
    QImage picture(size, QImage::Format_RGB32);
    // Row by row into the image's own memory: setPixel() per pixel costs more than the rest of the read.
    for (int y = 0; y < size.height(); ++y) {
        const auto row = pixels.subspan(static_cast<std::size_t>(size.height() - 1 - y) * stride, stride);
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const auto at = static_cast<std::size_t>(x) * 3;
            line[x] = qRgb(std::to_integer<int>(row[at + 2]), std::to_integer<int>(row[at + 1]),
                           std::to_integer<int>(row[at]));
        }
    }
    out = picture;
    return true;
}
} // namespace

std::vector<std::byte> encodeBitmapFile(const QImage &picture)
{
    const std::size_t offset = bitmapFileHeaderSize + bitmapInfoHeaderSize;
    std::vector<std::byte> out;
    ByteWriter w(out);
    w.text("BM");
    w.u32(static_cast<std::uint32_t>(offset + pixelBytes(picture.size()))); // the file's size
    w.u16(0);
    w.u16(0);
    w.u32(static_cast<std::uint32_t>(offset)); // where the pixels begin
    writeInfoHeader(w, picture.size(), 0);
    writePixels(w, picture);
    return out;
}

std::vector<std::byte> encodePackedDib(const QImage &picture, std::span<const QRgb> palette)
{
    std::vector<std::byte> out;
    ByteWriter w(out);
    writeInfoHeader(w, picture.size(), palette.size());
    for (const QRgb colour : palette) {
        w.u8(static_cast<std::uint32_t>(qBlue(colour)));
        w.u8(static_cast<std::uint32_t>(qGreen(colour)));
        w.u8(static_cast<std::uint32_t>(qRed(colour)));
        w.u8(0);
    }
    writePixels(w, picture);
    return out;
}

bool decodeBitmapFile(std::span<const std::byte> bytes, QSize expected, QImage &out, QString &error)
{
    ByteReader r(bytes);
    std::uint32_t b = 0, m = 0, fileSize = 0, reserved1 = 0, reserved2 = 0, offset = 0;
    if (!r.u8(b) || !r.u8(m) || !r.u32(fileSize) || !r.u16(reserved1) || !r.u16(reserved2)
        || !r.u32(offset)) {
        error = QStringLiteral("the bitmap file's header is cut short");
        return false;
    }
    if (b != 'B' || m != 'M') {
        error = QStringLiteral("the bitmap file does not start with \"BM\"");
        return false;
    }
    if (fileSize != bytes.size()) {
        error = QStringLiteral("the bitmap file's header gives its size as %1 bytes, but it is %2")
                    .arg(fileSize)
                    .arg(bytes.size());
        return false;
    }
    std::uint32_t colours = 0;
    if (!readInfoHeader(r, expected, colours, error))
        return false;
    const std::size_t pixelsAt = bitmapFileHeaderSize + bitmapInfoHeaderSize + std::size_t { colours } * 4;
    if (offset != pixelsAt) {
        error = QStringLiteral("the bitmap file's header puts the pixels at offset %1, not %2")
                    .arg(offset)
                    .arg(pixelsAt);
        return false;
    }
    std::span<const std::byte> table;
    if (!r.take(std::size_t { colours } * 4, table)) {
        error = QStringLiteral("the bitmap's colour table is cut short");
        return false;
    }
    return readPixels(bytes.subspan(r.offset()), expected, out, error);
}

bool decodePackedDib(std::span<const std::byte> bytes, QSize expected, QImage &out, QString &error)
{
    ByteReader r(bytes);
    std::uint32_t colours = 0;
    if (!readInfoHeader(r, expected, colours, error))
        return false;
    std::span<const std::byte> table;
    if (!r.take(std::size_t { colours } * 4, table)) {
        error = QStringLiteral("the bitmap's colour table is cut short");
        return false;
    }
    return readPixels(bytes.subspan(r.offset()), expected, out, error);
}

} // namespace qv::ole
