#include "runtime/ole/object_streams.h"

#include "controls/interface/byte_reader.h"
#include "runtime/ole/device_independent_bitmap.h"

#include <algorithm>
#include <cstdint>

namespace qv::ole
{

namespace
{
using settings::ByteReader;

// The characters of a string whose length (with the terminating null) was just read; zero is an empty string.
bool readAnsiChars(ByteReader &r, std::uint32_t length, const char *what, QString &out, QString &error)
{
    std::span<const std::byte> chars;
    if (length > maxAnsiString) {
        error = QStringLiteral("its %1 claims %2 bytes, more than the %3 allowed")
                    .arg(QLatin1String(what))
                    .arg(length)
                    .arg(maxAnsiString);
        return false;
    }
    if (!r.take(length, chars)) {
        error = QStringLiteral("its %1 of %2 bytes is cut short").arg(QLatin1String(what)).arg(length);
        return false;
    }
    if (length == 0) {
        out.clear();
        return true;
    }
    if (std::find(chars.begin(), chars.end(), std::byte { 0 }) != chars.end() - 1) {
        error = QStringLiteral("its %1 is not a single null-terminated string").arg(QLatin1String(what));
        return false;
    }
    out = QString::fromLatin1(reinterpret_cast<const char *>(chars.data()),
                              static_cast<qsizetype>(chars.size() - 1));
    return true;
}

bool readAnsiString(ByteReader &r, const char *what, QString &out, QString &error)
{
    std::uint32_t length = 0;
    if (!r.u32(length)) {
        error = QStringLiteral("its %1 is cut short").arg(QLatin1String(what));
        return false;
    }
    return readAnsiChars(r, length, what, out, error);
}

QString hex(std::uint32_t value)
{
    return QStringLiteral("0x%1").arg(
        QString::number(value, 16).toUpper().rightJustified(8, QLatin1Char('0')));
}
} // namespace

int pixelsToHimetric(int pixels)
{
    return (pixels * 2540 + 48) / 96;
}

bool checkOleStream(std::span<const std::byte> bytes, QString &error)
{
    ByteReader r(bytes);
    std::uint32_t version = 0, flags = 0, linkUpdate = 0, reserved = 0, monikerSize = 0;
    if (!r.u32(version) || !r.u32(flags) || !r.u32(linkUpdate) || !r.u32(reserved) || !r.u32(monikerSize)) {
        error = QStringLiteral("it is cut short");
        return false;
    }
    if (version != oleVersion) {
        error = QStringLiteral("its version is %1, not %2").arg(hex(version), hex(oleVersion));
        return false;
    }
    if (flags & linkedObjectFlag) {
        error = QStringLiteral("its flags (%1) mark a linked object, not an embedded one").arg(hex(flags));
        return false;
    }
    if (monikerSize != 0) {
        error = QStringLiteral("it gives an embedded object a moniker of %1 bytes").arg(monikerSize);
        return false;
    }
    return true;
}

bool readCompObjStream(std::span<const std::byte> bytes, const ClassId &expectedClass, CompObjContents &out,
                       QString &error)
{
    ByteReader r(bytes);
    // The version and the word before the class vary with the OLE that wrote the stream; nothing depends on
    // them.
    std::uint32_t marker = 0, version = 0, reserved = 0;
    std::span<const std::byte> cls;
    if (!r.u32(marker) || !r.u32(version) || !r.u32(reserved) || !r.take(expectedClass.size(), cls)) {
        error = QStringLiteral("its 28-byte header is cut short");
        return false;
    }
    if (marker != compObjMarker) {
        error = QStringLiteral("its header starts with %1, not %2").arg(hex(marker), hex(compObjMarker));
        return false;
    }
    if (!std::equal(cls.begin(), cls.end(), expectedClass.begin())) {
        ClassId found {};
        std::copy(cls.begin(), cls.end(), found.begin());
        error = QStringLiteral("its header names the class %1, not %2")
                    .arg(classIdText(found), classIdText(expectedClass));
        return false;
    }
    if (!readAnsiString(r, "user type", out.userType, error))
        return false;
    std::uint32_t formatLength = 0;
    if (!r.u32(formatLength)) {
        error = QStringLiteral("its clipboard format is cut short");
        return false;
    }
    if (formatLength == standardFormat || formatLength == standardFormatAlternative || formatLength == 0) {
        error = QStringLiteral("its clipboard format is not given by name (%1)").arg(hex(formatLength));
        return false;
    }
    if (!readAnsiChars(r, formatLength, "clipboard format", out.clipboardFormat, error))
        return false;
    if (!readAnsiString(r, "program id", out.programId, error))
        return false;
    std::uint32_t unicode = 0;
    if (r.remaining() >= 4 && r.u32(unicode) && unicode == unicodeMarker) {
        error = QStringLiteral("it announces Unicode names but ends before them");
        return false;
    }
    if (r.remaining() != 0) {
        error = QStringLiteral("it has %1 stray bytes at its end").arg(r.remaining());
        return false;
    }
    return true;
}

bool readPresentationStream(std::span<const std::byte> bytes, QSize expected, QImage &out, QString &error)
{
    ByteReader r(bytes);
    std::uint32_t marker = 0, format = 0, targetDeviceSize = 0;
    if (!r.u32(marker) || !r.u32(format) || !r.u32(targetDeviceSize)) {
        error = QStringLiteral("its presentation header is cut short");
        return false;
    }
    if ((marker != standardFormat && marker != standardFormatAlternative) || format != clipboardDib) {
        error = QStringLiteral("its clipboard format is %1 %2, not a DIB (%3)")
                    .arg(hex(marker), hex(format), hex(clipboardDib));
        return false;
    }
    std::span<const std::byte> targetDevice;
    if (targetDeviceSize < noTargetDevice || !r.take(targetDeviceSize - noTargetDevice, targetDevice)) {
        error = QStringLiteral("its target device of %1 bytes does not fit").arg(targetDeviceSize);
        return false;
    }
    // The index, the advise flags and the reserved word are hints for redrawing through the server, which the
    // container never asks for; they are read past, not checked.
    std::uint32_t aspect = 0, lindex = 0, advise = 0, reserved = 0, width = 0, height = 0, size = 0;
    if (!r.u32(aspect) || !r.u32(lindex) || !r.u32(advise) || !r.u32(reserved) || !r.u32(width)
        || !r.u32(height) || !r.u32(size)) {
        error = QStringLiteral("its presentation header is cut short");
        return false;
    }
    if (aspect != contentAspect) {
        error = QStringLiteral("it presents aspect %1, not the object's content (1)").arg(aspect);
        return false;
    }
    const int himetricWidth = pixelsToHimetric(expected.width());
    const int himetricHeight = pixelsToHimetric(expected.height());
    if (static_cast<std::int32_t>(width) != himetricWidth
        || static_cast<std::int32_t>(height) != himetricHeight) {
        error = QStringLiteral("its extent is %1 x %2 hundredths of a millimetre, not %3 x %4")
                    .arg(static_cast<std::int32_t>(width))
                    .arg(static_cast<std::int32_t>(height))
                    .arg(himetricWidth)
                    .arg(himetricHeight);
        return false;
    }
    if (size != r.remaining()) {
        error = QStringLiteral("its header gives %1 bytes of picture, but %2 follow")
                    .arg(size)
                    .arg(r.remaining());
        return false;
    }
    return decodePackedDib(bytes.subspan(r.offset()), expected, out, error);
}

bool readNativeStream(std::span<const std::byte> bytes, QSize expected, QImage &out, QString &error)
{
    ByteReader r(bytes);
    std::uint32_t length = 0;
    if (!r.u32(length)) {
        error = QStringLiteral("its length prefix is cut short");
        return false;
    }
    const std::size_t padding = (4 - length % 4) % 4;
    if (length > r.remaining() || r.remaining() - length != padding) {
        error = QStringLiteral("its length prefix gives %1 bytes of native data, but %2 follow")
                    .arg(length)
                    .arg(r.remaining());
        return false;
    }
    std::span<const std::byte> bitmapFile, zeros;
    r.take(length, bitmapFile);
    r.take(padding, zeros);
    if (std::any_of(zeros.begin(), zeros.end(), [](std::byte b) { return b != std::byte { 0 }; })) {
        error = QStringLiteral("the padding after its native data is not zero");
        return false;
    }
    return decodeBitmapFile(bitmapFile, expected, out, error);
}

} // namespace qv::ole
