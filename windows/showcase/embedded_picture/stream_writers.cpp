#include "windows/showcase/embedded_picture/stream_writers.h"

#include "windows/showcase/embedded_picture/byte_writer.h"

#include "runtime/ole/device_independent_bitmap.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>

#include <cstdint>
#include <string_view>

namespace qv::showcase
{

namespace
{
using namespace ole;

constexpr int pixelsPerMetre = 3780; // 96 dots an inch
constexpr std::size_t coloursUsedAt = 32; // in the info header

void writeAnsiString(ByteWriter &w, const QString &text)
{
    const QByteArray latin1 = text.toLatin1();
    w.u32(static_cast<std::uint32_t>(latin1.size() + 1));
    w.text(std::string_view(latin1.constData(), static_cast<std::size_t>(latin1.size())));
    w.u8(0);
}
} // namespace

std::vector<std::byte> encodeBitmapFile(const QImage &picture)
{
    // Qt's BMP writer stores an RGB32 image at 24 bits a pixel, with the image's own density.
    QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    rgb.setDotsPerMeterX(pixelsPerMetre);
    rgb.setDotsPerMeterY(pixelsPerMetre);
    QByteArray file;
    QBuffer device(&file);
    device.open(QIODevice::WriteOnly);
    QImageWriter writer(&device, "bmp");
    if (!writer.write(rgb))
        return {};
    const auto *first = reinterpret_cast<const std::byte *>(file.constData());
    return { first, first + file.size() };
}

std::vector<std::byte> encodePackedDib(const QImage &picture, std::span<const QRgb> palette)
{
    // Qt's writer gives no colour table at 24 bits a pixel: the DIB is its bitmap file less the file header,
    // with the table after the info header and its length in the info header's count of colours used.
    const std::vector<std::byte> file = encodeBitmapFile(picture);
    if (file.size() < bitmapFileHeaderSize + bitmapInfoHeaderSize)
        return {};
    const auto info = std::span(file).subspan(bitmapFileHeaderSize, bitmapInfoHeaderSize);
    const auto pixels = std::span(file).subspan(bitmapFileHeaderSize + bitmapInfoHeaderSize);
    std::vector<std::byte> out;
    ByteWriter w(out);
    w.bytes(info.first(coloursUsedAt));
    w.u32(static_cast<std::uint32_t>(palette.size()));
    w.bytes(info.subspan(coloursUsedAt + 4));
    for (const QRgb colour : palette) {
        w.u8(static_cast<std::uint32_t>(qBlue(colour)));
        w.u8(static_cast<std::uint32_t>(qGreen(colour)));
        w.u8(static_cast<std::uint32_t>(qRed(colour)));
        w.u8(0);
    }
    w.bytes(pixels);
    return out;
}

std::vector<std::byte> writeOleStream()
{
    std::vector<std::byte> out;
    ByteWriter w(out);
    w.u32(oleVersion);
    w.u32(0); // flags: an embedded object, not a linked one
    w.u32(0); // link update option: meaningless for an embedded object
    w.u32(0); // reserved
    w.u32(0); // the moniker's size: an embedded object has none
    return out;
}

std::vector<std::byte> writeCompObjStream(const ClassId &cls, const CompObjContents &contents)
{
    std::vector<std::byte> out;
    ByteWriter w(out);
    w.u32(compObjMarker);
    w.u32(compObjVersion);
    w.u32(0xFFFFFFFF);
    w.bytes(cls);
    writeAnsiString(w, contents.userType);
    writeAnsiString(w, contents.clipboardFormat); // a registered format, by name
    writeAnsiString(w, contents.programId);
    w.u32(noUnicodeStrings);
    return out;
}

std::vector<std::byte> writePresentationStream(const QImage &picture, std::span<const QRgb> palette)
{
    const std::vector<std::byte> dib = encodePackedDib(picture, palette);
    std::vector<std::byte> out;
    ByteWriter w(out);
    w.u32(standardFormat);
    w.u32(clipboardDib);
    w.u32(noTargetDevice);
    w.u32(contentAspect);
    w.u32(wholeObject);
    w.u32(noAdviseFlags);
    w.u32(0); // reserved
    w.i32(pixelsToHimetric(picture.width()));
    w.i32(pixelsToHimetric(picture.height()));
    w.u32(static_cast<std::uint32_t>(dib.size()));
    w.bytes(dib);
    return out;
}

std::vector<std::byte> writeNativeStream(std::span<const std::byte> bitmapFile)
{
    // The length, the file and its padding to whole 32-bit words, in one allocation.
    const std::size_t padding = (4 - bitmapFile.size() % 4) % 4;
    std::vector<std::byte> out;
    out.reserve(4 + bitmapFile.size() + padding);
    ByteWriter w(out);
    w.u32(static_cast<std::uint32_t>(bitmapFile.size()));
    w.bytes(bitmapFile);
    w.zeros(padding);
    return out;
}

} // namespace qv::showcase
