#include "runtime/ole/embedded_object.h"

#include <QLatin1StringView>

namespace qv
{

namespace
{
using namespace ole;

// The stored names are single-byte (Latin-1) strings.
QLatin1StringView latin1(std::string_view text)
{
    return QLatin1StringView(text.data(), static_cast<qsizetype>(text.size()));
}

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
    if (names.clipboardFormat != latin1(paintPictureOle1Class)) {
        error = damaged(compObjStreamName,
                        QStringLiteral("it names the clipboard format \"%1\", not \"%2\"")
                            .arg(names.clipboardFormat, latin1(paintPictureOle1Class)));
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
    out.className = latin1(paintPictureProgId);
    out.userType = names.userType;
    return true;
}
} // namespace

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
