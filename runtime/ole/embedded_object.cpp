#include "runtime/ole/embedded_object.h"

#include <quorvane/form_description.h>

namespace qv
{

namespace
{
using namespace ole;

// A stream of the document, read at its exact size and decoded by `decode`; what is wrong with its contents
// is said with the stream's name.
template<class Decode>
auto decodedStream(const CompoundDocumentReader &document, std::string_view name, std::size_t size,
                   Decode decode) -> decltype(decode(std::span<const std::byte>()))
{
    const Outcome<std::vector<std::byte>> bytes = document.readStream(name, size);
    if (!bytes)
        return bytes.failure();
    auto decoded = decode(bytes.value());
    if (!decoded)
        return badDocument(QStringLiteral("the stream %1 is damaged: %2")
                               .arg(printableStreamName(name), decoded.failure().info.description));
    return decoded;
}

Outcome<EmbeddedObject> readStreams(std::span<const std::byte> bytes)
{
    CompoundDocumentReader document;
    if (Outcome<> opened = document.open(bytes); !opened)
        return std::move(opened).failure();
    const Outcome<ClassId> root = document.rootClass();
    if (!root)
        return root.failure();
    if (root.value() != paintPictureClass)
        return badDocument(QStringLiteral("the root entry's class is %1, not Paint.Picture's %2")
                               .arg(classIdText(root.value()), classIdText(paintPictureClass)));

    if (const Outcome<> sound = decodedStream(document, oleStreamName, oleStreamSize, checkOleStream); !sound)
        return sound.failure();
    Outcome<CompObjContents> names = decodedStream(
        document, compObjStreamName, compObjStreamSize,
        [](std::span<const std::byte> stream) { return readCompObjStream(stream, paintPictureClass); });
    if (!names)
        return std::move(names).failure();
    if (names.value().clipboardFormat != storedText(paintPictureOle1Class))
        return badDocument(QStringLiteral("the stream %1 is damaged: it names the clipboard format \"%2\", "
                                          "not \"%3\"")
                               .arg(printableStreamName(compObjStreamName), names.value().clipboardFormat,
                                    storedText(paintPictureOle1Class)));
    const auto picture = [](auto read) {
        return [read](std::span<const std::byte> stream) { return read(stream, paintPictureSize); };
    };
    Outcome<QImage> presented = decodedStream(document, presentationStreamName, presentationStreamSize,
                                              picture(readPresentationStream));
    if (!presented)
        return std::move(presented).failure();
    Outcome<QImage> native
        = decodedStream(document, nativeStreamName, nativeStreamSize, picture(readNativeStream));
    if (!native)
        return std::move(native).failure();
    return EmbeddedObject { storedText(paintPictureProgId), std::move(names).value().userType,
                            std::move(presented).value(), std::move(native).value() };
}
} // namespace

Outcome<EmbeddedObject> readEmbeddedObject(std::span<const std::byte> document)
{
    Outcome<EmbeddedObject> object = readStreams(document);
    if (!object)
        return badDocument(QStringLiteral("reading the embedded Paint.Picture object failed: %1")
                               .arg(object.failure().info.description));
    return object;
}

} // namespace qv
