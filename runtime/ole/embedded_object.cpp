#include "runtime/ole/embedded_object.h"

#include <quorvane/form_description.h>

namespace qv
{

namespace
{
using namespace ole;

// A stream whose contents are not what the object holds: the reader's fault, with the stream named.
template<class T> Outcome<T> inStream(std::string_view stream, Outcome<T> read)
{
    if (read)
        return read;
    return badDocument(QStringLiteral("the stream %1 is damaged: %2")
                           .arg(printableStreamName(stream), read.failure().info.description));
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

    Outcome<std::vector<std::byte>> ole = document.readStream(oleStreamName, oleStreamSize);
    if (!ole)
        return std::move(ole).failure();
    if (Outcome<> sound = inStream(oleStreamName, checkOleStream(ole.value())); !sound)
        return std::move(sound).failure();

    Outcome<std::vector<std::byte>> compObj = document.readStream(compObjStreamName, compObjStreamSize);
    if (!compObj)
        return std::move(compObj).failure();
    Outcome<CompObjContents> names
        = inStream(compObjStreamName, readCompObjStream(compObj.value(), paintPictureClass));
    if (!names)
        return std::move(names).failure();
    if (names.value().clipboardFormat != storedText(paintPictureOle1Class))
        return badDocument(QStringLiteral("the stream %1 is damaged: it names the clipboard format \"%2\", "
                                          "not \"%3\"")
                               .arg(printableStreamName(compObjStreamName), names.value().clipboardFormat,
                                    storedText(paintPictureOle1Class)));

    Outcome<std::vector<std::byte>> presentation
        = document.readStream(presentationStreamName, presentationStreamSize);
    if (!presentation)
        return std::move(presentation).failure();
    Outcome<QImage> picture
        = inStream(presentationStreamName, readPresentationStream(presentation.value(), paintPictureSize));
    if (!picture)
        return std::move(picture).failure();

    Outcome<std::vector<std::byte>> native = document.readStream(nativeStreamName, nativeStreamSize);
    if (!native)
        return std::move(native).failure();
    Outcome<QImage> nativePicture
        = inStream(nativeStreamName, readNativeStream(native.value(), paintPictureSize));
    if (!nativePicture)
        return std::move(nativePicture).failure();
    return EmbeddedObject { storedText(paintPictureProgId), std::move(names).value().userType,
                            std::move(picture).value(), std::move(nativePicture).value() };
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
