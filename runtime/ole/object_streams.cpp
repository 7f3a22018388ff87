#include "object_streams.h"

#include "byte_writer.h"
#include "controls/interface/byte_reader.h"
#include "device_independent_bitmap.h"

#include <algorithm>
#include <cstdint>

namespace qv::ole
{

namespace
{
using settings::ByteReader;

constexpr std::uint32_t oleVersion = 0x02000001;
constexpr std::uint32_t linkedObjectFlag = 0x00000001;

constexpr std::uint32_t compObjMarker = 0xFFFE0001; // the header's first word, as OLE writes it
constexpr std::uint32_t compObjVersion = 0x00000A03;
// After the program id: this value announces Unicode copies of the strings; any other says none follow.
constexpr std::uint32_t unicodeMarker = 0x71B239F4;
constexpr std::uint32_t noUnicodeStrings = 0;

constexpr std::uint32_t standardFormat = 0xFFFFFFFF; // a clipboard format given by number, not by name
constexpr std::uint32_t standardFormatAlternative = 0xFFFFFFFE;
constexpr std::uint32_t clipboardDib = 8; // CF_DIB
constexpr std::uint32_t noTargetDevice = 4; // the size field alone: drawn for the screen
constexpr std::uint32_t contentAspect = 1; // DVASPECT_CONTENT: the object itself, not its icon
constexpr std::uint32_t wholeObject = 0xFFFFFFFF; // lindex -1
constexpr std::uint32_t noAdviseFlags = 0; // the cache follows every change of the object
constexpr std::size_t maxAnsiString = 0x201; // the longest name a clipboard format may have, with its null

void writeAnsiString(ByteWriter &w, const QString &text)
{
    const QByteArray latin1 = text.toLatin1();
    w.u32(static_cast<std::uint32_t>(latin1.size() + 1));
    w.text(std::string_view(latin1.constData(), static_cast<std::size_t>(latin1.size())));
    w.u8(0);
}

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

std::vector<std::byte> writeNativeStream(std::span<const std::byte> bitmapFile)
{
    std::vector<std::byte> out;
    ByteWriter w(out);
    w.u32(static_cast<std::uint32_t>(bitmapFile.size()));
    w.bytes(bitmapFile);
    w.zeros((4 - out.size() % 4) % 4);
    return out;
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
