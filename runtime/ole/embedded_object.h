#pragma once
// An OLE container's embedded object: a Paint.Picture (the OLE1 Paintbrush class) saved as a compound
// document, as an OLE container stores it. Read back and checked whenever a container shows it.

#include "runtime/ole/compound_document.h"
#include "runtime/ole/device_independent_bitmap.h"
#include "runtime/ole/object_streams.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <cstddef>
#include <span>
#include <string_view>

namespace qv
{

struct EmbeddedObject {
    QString className; // "Paint.Picture", from the root entry's class identity
    QString userType; // the name a user is shown, "Paintbrush Picture"
    QImage picture; // the cached presentation: what the container shows
    QImage nativePicture; // the object's own data: what its server opens
};

// Reads and checks a Paint.Picture object: the document, its root class, the four streams with their exact
// sizes and every header the container depends on. Any damage fails it, with a message naming the stream and
// the fault.
Outcome<EmbeddedObject> readEmbeddedObject(std::span<const std::byte> document);

namespace ole
{

// The one object the reader takes, field by field; whoever writes it writes exactly this.

// {0003000A-0000-0000-C000-000000000046}: Paint.Picture, the OLE1 class "PBrush".
inline constexpr ClassId paintPictureClass { std::byte { 0x0A }, std::byte { 0x00 }, std::byte { 0x03 },
                                             std::byte { 0x00 }, std::byte { 0x00 }, std::byte { 0x00 },
                                             std::byte { 0x00 }, std::byte { 0x00 }, std::byte { 0xC0 },
                                             std::byte { 0x00 }, std::byte { 0x00 }, std::byte { 0x00 },
                                             std::byte { 0x00 }, std::byte { 0x00 }, std::byte { 0x00 },
                                             std::byte { 0x46 } };
inline constexpr std::string_view paintPictureProgId = "Paint.Picture";
// CompObj names the class by its OLE1 name, which is also its clipboard format.
inline constexpr std::string_view paintPictureUserType = "Paintbrush Picture";
inline constexpr std::string_view paintPictureOle1Class = "PBrush";

inline constexpr QSize paintPictureSize { 300, 250 };
// The presentation's DIB carries a colour table of this many entries, which lets a palette display show the
// picture well; the pixels themselves are 24-bit.
inline constexpr std::size_t paintPicturePaletteSize = 26;

// How large each stream is, from what it holds; a stream of any other size is damaged.
constexpr std::size_t ansiStringSize(std::string_view s)
{
    return 4 + s.size() + 1;
}
inline constexpr std::size_t compObjStreamSize = 28 + ansiStringSize(paintPictureUserType)
    + 2 * ansiStringSize(paintPictureOle1Class) + 4; // + the Unicode marker
inline constexpr std::size_t bitmapFileSize
    = bitmapFileHeaderSize + bitmapInfoHeaderSize + pixelBytes(paintPictureSize);
inline constexpr std::size_t nativeStreamSize = (4 + bitmapFileSize + 3) / 4 * 4;
inline constexpr std::size_t presentationStreamSize = presentationHeaderSize + bitmapInfoHeaderSize
    + 4 * paintPicturePaletteSize + pixelBytes(paintPictureSize);
static_assert(compObjStreamSize == 77);
static_assert(bitmapFileSize == 225'054);
static_assert(nativeStreamSize == 225'060);
static_assert(presentationStreamSize == 225'184);

} // namespace ole

} // namespace qv
