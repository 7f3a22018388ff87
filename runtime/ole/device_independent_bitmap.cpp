#include "runtime/ole/device_independent_bitmap.h"
#include "runtime/ole/bad_document.h"

#include "controls/interface/byte_reader.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <cstdint>

namespace qv::ole
{

namespace
{
using settings::ByteReader;

constexpr std::uint32_t bitsPerPixel = 24;
constexpr std::uint32_t uncompressed = 0; // BI_RGB

// The info header's pixel format: only the fields Qt's handler either takes in other values or refuses
// without a reason.
Outcome<> checkPixelFormat(std::span<const std::byte> infoHeader)
{
    ByteReader r(infoHeader);
    std::uint32_t headerSize = 0, width = 0, height = 0, planes = 0, bits = 0, compression = 0;
    if (!r.u32(headerSize) || !r.u32(width) || !r.u32(height) || !r.u16(planes) || !r.u16(bits)
        || !r.u32(compression))
        return badDocument(QStringLiteral("the bitmap's info header is cut short"));
    // Hand-written: Qt's handler decodes 1 to 32 bits a pixel as well, and refuses more planes unexplained.
    if (planes != 1 || bits != bitsPerPixel)
        return badDocument(QStringLiteral("the bitmap has %1 plane(s) of %2 bits a pixel, not one of 24")
                               .arg(planes)
                               .arg(bits));
    // Hand-written: Qt's handler refuses a compressed 24-bit bitmap, but cannot say why.
    if (compression != uncompressed)
        return badDocument(
            QStringLiteral("the bitmap is compressed (method %1), not stored plain").arg(compression));
    return {};
}

// The colour table's length, from the info header at `infoAt`; none when the header is cut short (the pixel
// format's check says so).
std::size_t colourTableBytes(std::span<const std::byte> bytes, std::size_t infoAt)
{
    std::uint32_t colours = 0;
    if (bytes.size() < infoAt + bitmapInfoHeaderSize
        || !ByteReader(bytes.subspan(infoAt + 32, 4)).u32(colours))
        return 0;
    return std::size_t { colours } * 4;
}

// Hand-written: Qt's handler reads the pixels from wherever the header puts them and leaves the rows it
// cannot fill blank. The pixels must start right after the colour table and fill the rest exactly.
Outcome<> checkPixelsFillTheRest(std::span<const std::byte> bytes, std::size_t infoAt, std::size_t pixelsAt,
                                 QSize expected)
{
    const std::size_t tableEnd = infoAt + bitmapInfoHeaderSize + colourTableBytes(bytes, infoAt);
    if (pixelsAt != tableEnd)
        return badDocument(
            QStringLiteral("the bitmap's pixels are put at offset %1, not %2 after its colour table")
                .arg(pixelsAt)
                .arg(tableEnd));
    if (bytes.size() < tableEnd || bytes.size() - tableEnd != pixelBytes(expected))
        return badDocument(QStringLiteral("the bitmap holds %1 bytes of pixels, not %2")
                               .arg(bytes.size() >= tableEnd ? bytes.size() - tableEnd : 0)
                               .arg(pixelBytes(expected)));
    return {};
}

// Qt's BMP handler reads the headers and the pixels: "bmp" a bitmap file, "dib" a packed DIB. The size is
// checked from the header, before any pixel is decoded.
Outcome<QImage> decode(QImageReader &reader, QSize expected)
{
    const QSize size = reader.size();
    if (!size.isValid())
        return badDocument(
            QStringLiteral("the bitmap's headers cannot be read: %1").arg(reader.errorString()));
    if (size != expected)
        return badDocument(QStringLiteral("the bitmap is %1 x %2 pixels, not %3 x %4")
                               .arg(size.width())
                               .arg(size.height())
                               .arg(expected.width())
                               .arg(expected.height()));
    QImage picture;
    if (!reader.read(&picture))
        return badDocument(QStringLiteral("the bitmap cannot be decoded: %1").arg(reader.errorString()));
    return picture;
}

// A view of the bytes for Qt's reader: never written through, and never outliving the call.
QByteArray viewOf(std::span<const std::byte> bytes)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(bytes.data()),
                                   static_cast<qsizetype>(bytes.size()));
}
} // namespace

Outcome<QImage> decodeBitmapFile(std::span<const std::byte> bytes, QSize expected)
{
    QByteArray data = viewOf(bytes);
    QBuffer device(&data);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device, "bmp");
    // Qt's handler recognises a bitmap file by its signature alone.
    if (!reader.canRead())
        return badDocument(QStringLiteral("the bitmap file does not start with \"BM\""));
    if (bytes.size() < bitmapFileHeaderSize)
        return badDocument(QStringLiteral("the bitmap file's header is cut short"));
    ByteReader r(bytes.subspan(2, 4));
    std::uint32_t fileSize = 0;
    r.u32(fileSize); // the four bytes are there
    // Hand-written: Qt's handler never reads the file's size from the header.
    if (fileSize != bytes.size())
        return badDocument(QStringLiteral("the bitmap file's header gives its size as %1 bytes, but it is %2")
                               .arg(fileSize)
                               .arg(bytes.size()));
    std::uint32_t pixelsAt = 0;
    ByteReader(bytes.subspan(10, 4)).u32(pixelsAt); // the four bytes are there
    if (Outcome<> format = checkPixelFormat(bytes.subspan(bitmapFileHeaderSize)); !format)
        return std::move(format).failure();
    if (Outcome<> filled = checkPixelsFillTheRest(bytes, bitmapFileHeaderSize, pixelsAt, expected); !filled)
        return std::move(filled).failure();
    return decode(reader, expected);
}

Outcome<QImage> decodePackedDib(std::span<const std::byte> bytes, QSize expected)
{
    QByteArray data = viewOf(bytes);
    QBuffer device(&data);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device, "dib");
    // A packed DIB has no offset of its own: its pixels follow the colour table.
    const std::size_t pixelsAt = bitmapInfoHeaderSize + colourTableBytes(bytes, 0);
    if (Outcome<> format = checkPixelFormat(bytes); !format)
        return std::move(format).failure();
    if (Outcome<> filled = checkPixelsFillTheRest(bytes, 0, pixelsAt, expected); !filled)
        return std::move(filled).failure();
    return decode(reader, expected);
}

} // namespace qv::ole
