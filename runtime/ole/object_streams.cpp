#include "runtime/ole/object_streams.h"

#include "controls/interface/byte_reader.h"
#include "runtime/ole/device_independent_bitmap.h"
#include <quorvane/form_description.h>

#include <algorithm>
#include <cstdint>

namespace qv::ole
{

namespace
{
using settings::ByteReader;

// The characters of a string whose length (with the terminating null) was just read; zero is an empty string.
Outcome<QString> readAnsiChars(ByteReader &r, std::uint32_t length, const char *what)
{
    std::span<const std::byte> chars;
    if (length > maxAnsiString)
        return badDocument(QStringLiteral("its %1 claims %2 bytes, more than the %3 allowed")
                               .arg(QLatin1String(what))
                               .arg(length)
                               .arg(maxAnsiString));
    if (!r.take(length, chars))
        return badDocument(
            QStringLiteral("its %1 of %2 bytes is cut short").arg(QLatin1String(what)).arg(length));
    if (length == 0)
        return QString();
    if (std::find(chars.begin(), chars.end(), std::byte { 0 }) != chars.end() - 1)
        return badDocument(
            QStringLiteral("its %1 is not a single null-terminated string").arg(QLatin1String(what)));
    return storedText(std::string_view(reinterpret_cast<const char *>(chars.data()), chars.size() - 1));
}

Outcome<QString> readAnsiString(ByteReader &r, const char *what)
{
    std::uint32_t length = 0;
    if (!r.u32(length))
        return badDocument(QStringLiteral("its %1 is cut short").arg(QLatin1String(what)));
    return readAnsiChars(r, length, what);
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

Outcome<> checkOleStream(std::span<const std::byte> bytes)
{
    ByteReader r(bytes);
    std::uint32_t version = 0, flags = 0, linkUpdate = 0, reserved = 0, monikerSize = 0;
    if (!r.u32(version) || !r.u32(flags) || !r.u32(linkUpdate) || !r.u32(reserved) || !r.u32(monikerSize))
        return badDocument(QStringLiteral("it is cut short"));
    if (version != oleVersion)
        return badDocument(QStringLiteral("its version is %1, not %2").arg(hex(version), hex(oleVersion)));
    if (flags & linkedObjectFlag)
        return badDocument(
            QStringLiteral("its flags (%1) mark a linked object, not an embedded one").arg(hex(flags)));
    if (monikerSize != 0)
        return badDocument(
            QStringLiteral("it gives an embedded object a moniker of %1 bytes").arg(monikerSize));
    return {};
}

Outcome<CompObjContents> readCompObjStream(std::span<const std::byte> bytes, const ClassId &expectedClass)
{
    ByteReader r(bytes);
    // The version and the word before the class vary with the OLE that wrote the stream; nothing depends on
    // them.
    std::uint32_t marker = 0, version = 0, reserved = 0;
    std::span<const std::byte> cls;
    if (!r.u32(marker) || !r.u32(version) || !r.u32(reserved) || !r.take(expectedClass.size(), cls))
        return badDocument(QStringLiteral("its 28-byte header is cut short"));
    if (marker != compObjMarker)
        return badDocument(
            QStringLiteral("its header starts with %1, not %2").arg(hex(marker), hex(compObjMarker)));
    if (!std::equal(cls.begin(), cls.end(), expectedClass.begin())) {
        ClassId found {};
        std::copy(cls.begin(), cls.end(), found.begin());
        return badDocument(QStringLiteral("its header names the class %1, not %2")
                               .arg(classIdText(found), classIdText(expectedClass)));
    }
    Outcome<QString> userType = readAnsiString(r, "user type");
    if (!userType)
        return std::move(userType).failure();
    std::uint32_t formatLength = 0;
    if (!r.u32(formatLength))
        return badDocument(QStringLiteral("its clipboard format is cut short"));
    if (formatLength == standardFormat || formatLength == standardFormatAlternative || formatLength == 0)
        return badDocument(
            QStringLiteral("its clipboard format is not given by name (%1)").arg(hex(formatLength)));
    Outcome<QString> clipboardFormat = readAnsiChars(r, formatLength, "clipboard format");
    if (!clipboardFormat)
        return std::move(clipboardFormat).failure();
    Outcome<QString> programId = readAnsiString(r, "program id");
    if (!programId)
        return std::move(programId).failure();
    std::uint32_t unicode = 0;
    if (r.remaining() >= 4 && r.u32(unicode) && unicode == unicodeMarker)
        return badDocument(QStringLiteral("it announces Unicode names but ends before them"));
    if (r.remaining() != 0)
        return badDocument(QStringLiteral("it has %1 stray bytes at its end").arg(r.remaining()));
    return CompObjContents { std::move(userType).value(), std::move(clipboardFormat).value(),
                             std::move(programId).value() };
}

Outcome<QImage> readPresentationStream(std::span<const std::byte> bytes, QSize expected)
{
    ByteReader r(bytes);
    std::uint32_t marker = 0, format = 0, targetDeviceSize = 0;
    if (!r.u32(marker) || !r.u32(format) || !r.u32(targetDeviceSize))
        return badDocument(QStringLiteral("its presentation header is cut short"));
    if ((marker != standardFormat && marker != standardFormatAlternative) || format != clipboardDib)
        return badDocument(QStringLiteral("its clipboard format is %1 %2, not a DIB (%3)")
                               .arg(hex(marker), hex(format), hex(clipboardDib)));
    std::span<const std::byte> targetDevice;
    if (targetDeviceSize < noTargetDevice || !r.take(targetDeviceSize - noTargetDevice, targetDevice))
        return badDocument(
            QStringLiteral("its target device of %1 bytes does not fit").arg(targetDeviceSize));
    // The index, the advise flags and the reserved word are hints for redrawing through the server, which the
    // container never asks for; they are read past, not checked.
    std::uint32_t aspect = 0, lindex = 0, advise = 0, reserved = 0, width = 0, height = 0, size = 0;
    if (!r.u32(aspect) || !r.u32(lindex) || !r.u32(advise) || !r.u32(reserved) || !r.u32(width)
        || !r.u32(height) || !r.u32(size))
        return badDocument(QStringLiteral("its presentation header is cut short"));
    if (aspect != contentAspect)
        return badDocument(QStringLiteral("it presents aspect %1, not the object's content (1)").arg(aspect));
    const int himetricWidth = pixelsToHimetric(expected.width());
    const int himetricHeight = pixelsToHimetric(expected.height());
    if (static_cast<std::int32_t>(width) != himetricWidth
        || static_cast<std::int32_t>(height) != himetricHeight)
        return badDocument(QStringLiteral("its extent is %1 x %2 hundredths of a millimetre, not %3 x %4")
                               .arg(static_cast<std::int32_t>(width))
                               .arg(static_cast<std::int32_t>(height))
                               .arg(himetricWidth)
                               .arg(himetricHeight));
    if (size != r.remaining())
        return badDocument(QStringLiteral("its header gives %1 bytes of picture, but %2 follow")
                               .arg(size)
                               .arg(r.remaining()));
    return decodePackedDib(bytes.subspan(r.offset()), expected);
}

Outcome<QImage> readNativeStream(std::span<const std::byte> bytes, QSize expected)
{
    ByteReader r(bytes);
    std::uint32_t length = 0;
    if (!r.u32(length))
        return badDocument(QStringLiteral("its length prefix is cut short"));
    const std::size_t padding = (4 - length % 4) % 4;
    if (length > r.remaining() || r.remaining() - length != padding)
        return badDocument(QStringLiteral("its length prefix gives %1 bytes of native data, but %2 follow")
                               .arg(length)
                               .arg(r.remaining()));
    std::span<const std::byte> bitmapFile, zeros;
    r.take(length, bitmapFile);
    r.take(padding, zeros);
    if (std::any_of(zeros.begin(), zeros.end(), [](std::byte b) { return b != std::byte { 0 }; }))
        return badDocument(QStringLiteral("the padding after its native data is not zero"));
    return decodeBitmapFile(bitmapFile, expected);
}

} // namespace qv::ole
