#pragma once
// The four streams of an embedded OLE1 picture object converted to OLE 2 storage: what each holds, and a
// reader for each that checks every field it reads.

#include "runtime/ole/compound_document.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace qv::ole
{

// A leading control character marks a stream that belongs to OLE itself (1) or to its presentation cache (2).
inline constexpr std::string_view oleStreamName = "\x01Ole";
inline constexpr std::string_view compObjStreamName = "\x01"
                                                      "CompObj";
inline constexpr std::string_view presentationStreamName = "\x02OlePres000";
inline constexpr std::string_view nativeStreamName = "\x01Ole10Native";

// Each reader fails with what is wrong with the stream's contents; the caller names the stream.

// "\1Ole": version, flags, link update option, a reserved word and the (empty) moniker's size.
inline constexpr std::size_t oleStreamSize = 20;
inline constexpr std::uint32_t oleVersion = 0x02000001;
inline constexpr std::uint32_t linkedObjectFlag = 0x00000001;
Outcome<> checkOleStream(std::span<const std::byte> bytes);

// "\1CompObj": its header (with the object's class), user type, clipboard format and program id.
inline constexpr std::uint32_t compObjMarker = 0xFFFE0001; // the header's first word, as OLE writes it
inline constexpr std::uint32_t compObjVersion = 0x00000A03;
// After the program id: this value announces Unicode copies of the strings; any other says none follow.
inline constexpr std::uint32_t unicodeMarker = 0x71B239F4;
inline constexpr std::uint32_t noUnicodeStrings = 0;
// The longest name a clipboard format may have, with its null.
inline constexpr std::size_t maxAnsiString = 0x201;
struct CompObjContents {
    QString userType;
    QString clipboardFormat;
    QString programId;
};
Outcome<CompObjContents> readCompObjStream(std::span<const std::byte> bytes, const ClassId &expectedClass);

// "\2OlePres000": the picture the container shows without the object's server: a presentation header
// (clipboard format CF_DIB, no target device, the content aspect, the extent in hundredths of a millimetre)
// and a packed DIB.
inline constexpr std::size_t presentationHeaderSize = 40;
inline constexpr std::uint32_t standardFormat = 0xFFFFFFFF; // a clipboard format given by number, not by name
inline constexpr std::uint32_t standardFormatAlternative = 0xFFFFFFFE;
inline constexpr std::uint32_t clipboardDib = 8; // CF_DIB
inline constexpr std::uint32_t noTargetDevice = 4; // the size field alone: drawn for the screen
inline constexpr std::uint32_t contentAspect = 1; // DVASPECT_CONTENT: the object itself, not its icon
inline constexpr std::uint32_t wholeObject = 0xFFFFFFFF; // lindex -1
inline constexpr std::uint32_t noAdviseFlags = 0; // the cache follows every change of the object
Outcome<QImage> readPresentationStream(std::span<const std::byte> bytes, QSize expected);
// The extent the header records: pixels at 96 dots an inch in hundredths of a millimetre, halves rounded up.
int pixelsToHimetric(int pixels);

// "\1Ole10Native": the OLE1 object's own data, a length and then the bitmap file, padded with zeros to whole
// 32-bit words.
Outcome<QImage> readNativeStream(std::span<const std::byte> bytes, QSize expected);

} // namespace qv::ole
