#include "paint_picture_object.h"
#include "runtime/core/stored_text.h"

#include "compound_document.h"
#include "device_independent_bitmap.h"
#include "object_streams.h"
#include "paint_picture.h"

#include <QDebug>

#include <array>
#include <string_view>

namespace qv
{

namespace
{
using namespace ole;

// {0003000A-0000-0000-C000-000000000046}: Paint.Picture, the OLE1 class "PBrush".
constexpr ClassId paintPictureClass { std::byte { 0x0A }, std::byte { 0x00 }, std::byte { 0x03 },
                                      std::byte { 0x00 }, std::byte { 0x00 }, std::byte { 0x00 },
                                      std::byte { 0x00 }, std::byte { 0x00 }, std::byte { 0xC0 },
                                      std::byte { 0x00 }, std::byte { 0x00 }, std::byte { 0x00 },
                                      std::byte { 0x00 }, std::byte { 0x00 }, std::byte { 0x00 },
                                      std::byte { 0x46 } };
constexpr std::string_view paintPictureProgId = "Paint.Picture";

// CompObj names the class by its OLE1 name, which is also its clipboard format.
constexpr std::string_view userType = "Paintbrush Picture";
constexpr std::string_view ole1ClassName = "PBrush";

// How large each stream comes out, from what it holds; the object's layout depends on every one.
constexpr std::size_t ansiStringSize(std::string_view s)
{
    return 4 + s.size() + 1;
}
constexpr std::size_t compObjStreamSize
    = 28 + ansiStringSize(userType) + 2 * ansiStringSize(ole1ClassName) + 4; // + the Unicode marker
constexpr std::size_t bitmapFileSize
    = bitmapFileHeaderSize + bitmapInfoHeaderSize + pixelBytes(paintPictureSize);
constexpr std::size_t nativeStreamSize = (4 + bitmapFileSize + 3) / 4 * 4;
// The presentation's DIB carries the picture's key colours as its colour table, which lets a palette display
// show it well; the pixels themselves are 24-bit.
constexpr std::size_t presentationStreamSize = presentationHeaderSize + bitmapInfoHeaderSize
    + 4 * paintPictureKeyColourCount + pixelBytes(paintPictureSize);
static_assert(compObjStreamSize == 77);
static_assert(bitmapFileSize == 225'054);
static_assert(nativeStreamSize == 225'060);
static_assert(presentationStreamSize == 225'184);

QString damaged(std::string_view stream, const QString &fault)
{
    return QStringLiteral("the stream %1 is damaged: %2").arg(printableStreamName(stream), fault);
}

bool readStreams(std::span<const std::byte> bytes, EmbeddedObject &out, QString &error)
{
    CompoundDocumentReader document;
    if (!document.open(bytes, error))
        return false;
    ClassId root {};
    if (!document.rootClass(root, error))
        return false;
    if (root != paintPictureClass) {
        error = QStringLiteral("the root entry's class is %1, not Paint.Picture's %2")
                    .arg(classIdText(root), classIdText(paintPictureClass));
        return false;
    }

    std::vector<std::byte> stream;
    QString fault;
    if (!document.readStream(oleStreamName, oleStreamSize, stream, error))
        return false;
    if (!checkOleStream(stream, fault)) {
        error = damaged(oleStreamName, fault);
        return false;
    }

    CompObjContents names;
    if (!document.readStream(compObjStreamName, compObjStreamSize, stream, error))
        return false;
    if (!readCompObjStream(stream, paintPictureClass, names, fault)) {
        error = damaged(compObjStreamName, fault);
        return false;
    }
    if (names.clipboardFormat != storedText(ole1ClassName)) {
        error = damaged(compObjStreamName,
                        QStringLiteral("it names the clipboard format \"%1\", not \"%2\"")
                            .arg(names.clipboardFormat, storedText(ole1ClassName)));
        return false;
    }

    if (!document.readStream(presentationStreamName, presentationStreamSize, stream, error))
        return false;
    if (!readPresentationStream(stream, paintPictureSize, out.picture, fault)) {
        error = damaged(presentationStreamName, fault);
        return false;
    }

    if (!document.readStream(nativeStreamName, nativeStreamSize, stream, error))
        return false;
    if (!readNativeStream(stream, paintPictureSize, out.nativePicture, fault)) {
        error = damaged(nativeStreamName, fault);
        return false;
    }
    out.className = storedText(paintPictureProgId);
    out.userType = names.userType;
    return true;
}
} // namespace

std::vector<std::byte> writePaintPictureObject()
{
    const QImage picture = drawPaintPicture();
    const std::vector<std::byte> ole = writeOleStream();
    const std::vector<std::byte> compObj = writeCompObjStream(
        paintPictureClass, { storedText(userType), storedText(ole1ClassName), storedText(ole1ClassName) });
    const std::vector<std::byte> presentation = writePresentationStream(picture, paintPictureKeyColours());
    const std::vector<std::byte> native = writeNativeStream(encodeBitmapFile(picture));

    // libgsf lays the document out as: header, the two large streams' sectors in the order written, the mini
    // stream holding the two small ones, its allocation table, the directory (five entries, two sectors) and
    // the seven sectors of the allocation table: 892 sectors of 512 bytes, 456,704 bytes.
    const std::array<NamedStream, 4> streams { { { oleStreamName, ole },
                                                 { compObjStreamName, compObj },
                                                 { presentationStreamName, presentation },
                                                 { nativeStreamName, native } } };
    std::vector<std::byte> document;
    QString error;
    if (!writeCompoundDocument(paintPictureClass, streams, document, error)) {
        qCritical().noquote() << QStringLiteral("Writing the Paint.Picture object failed: %1").arg(error);
        return {};
    }
    return document;
}

std::span<const std::byte> paintPictureObject()
{
    static const std::vector<std::byte> document = writePaintPictureObject();
    return document;
}

bool readEmbeddedObject(std::span<const std::byte> document, EmbeddedObject &out, QString &error)
{
    EmbeddedObject object;
    QString fault;
    if (!readStreams(document, object, fault)) {
        error = QStringLiteral("reading the embedded Paint.Picture object failed: %1").arg(fault);
        return false;
    }
    out = std::move(object);
    return true;
}

} // namespace qv
