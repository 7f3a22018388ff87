#pragma once
// The four streams of an embedded OLE1 picture object converted to OLE 2 storage: what each holds, how it is
// written, and a reader for each that checks every field it reads.

#include "compound_document.h"

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace qv::ole
{

// A leading control character marks a stream that belongs to OLE itself (1) or to its presentation cache (2).
inline constexpr std::string_view oleStreamName = "\x01Ole";
inline constexpr std::string_view compObjStreamName = "\x01"
                                                      "CompObj";
inline constexpr std::string_view presentationStreamName = "\x02OlePres000";
inline constexpr std::string_view nativeStreamName = "\x01Ole10Native";

// "\1Ole": version, flags, link update option, a reserved word and the (empty) moniker's size.
inline constexpr std::size_t oleStreamSize = 20;
std::vector<std::byte> writeOleStream();
bool checkOleStream(std::span<const std::byte> bytes, QString &error);

// "\1CompObj": its header (with the object's class), user type, clipboard format and program id.
struct CompObjContents {
    QString userType;
    QString clipboardFormat;
    QString programId;
};
std::vector<std::byte> writeCompObjStream(const ClassId &cls, const CompObjContents &contents);
bool readCompObjStream(std::span<const std::byte> bytes, const ClassId &expectedClass, CompObjContents &out,
                       QString &error);

// "\2OlePres000": the picture the container shows without the object's server: a presentation header
// (clipboard format CF_DIB, no target device, the content aspect, the extent in hundredths of a millimetre)
// and a packed DIB.
inline constexpr std::size_t presentationHeaderSize = 40;
std::vector<std::byte> writePresentationStream(const QImage &picture, std::span<const QRgb> palette);
bool readPresentationStream(std::span<const std::byte> bytes, QSize expected, QImage &out, QString &error);
// The extent the header records: pixels at 96 dots an inch in hundredths of a millimetre, halves rounded up.
int pixelsToHimetric(int pixels);

// "\1Ole10Native": the OLE1 object's own data, a length and then the bitmap file, padded with zeros to whole
// 32-bit words.
std::vector<std::byte> writeNativeStream(std::span<const std::byte> bitmapFile);
bool readNativeStream(std::span<const std::byte> bytes, QSize expected, QImage &out, QString &error);

} // namespace qv::ole
