#include "windows/showcase/embedded_picture/paint_picture_object.h"

#include "windows/showcase/embedded_picture/compound_document_writer.h"
#include "windows/showcase/embedded_picture/paint_picture.h"
#include "windows/showcase/embedded_picture/stream_writers.h"

#include "runtime/ole/embedded_object.h"

#include <quorvane/form_description.h>

#include <array>
#include <string_view>

namespace qv::showcase
{

namespace
{
using namespace ole;

// Drawn at the size, and with as many key colours as the colour table, that the reader takes.
static_assert(showcase::paintPictureSize == ole::paintPictureSize);
static_assert(paintPictureKeyColourCount == paintPicturePaletteSize);
} // namespace

Outcome<std::vector<std::byte>> writePaintPictureObject()
{
    const QImage picture = drawPaintPicture();
    const std::vector<std::byte> ole = writeOleStream();
    const std::vector<std::byte> compObj
        = writeCompObjStream(paintPictureClass,
                             { storedText(paintPictureUserType), storedText(paintPictureOle1Class),
                               storedText(paintPictureOle1Class) });
    // The presentation's colour table is the picture's key colours.
    const std::vector<std::byte> presentation = writePresentationStream(picture, paintPictureKeyColours());
    const std::vector<std::byte> native = writeNativeStream(encodeBitmapFile(picture));

    // libgsf lays the document out as: header, the two large streams' sectors in the order written, the mini
    // stream holding the two small ones, its allocation table, the directory (five entries, two sectors) and
    // the seven sectors of the allocation table: 892 sectors of 512 bytes, 456,704 bytes.
    const std::array<NamedStream, 4> streams { { { oleStreamName, ole },
                                                 { compObjStreamName, compObj },
                                                 { presentationStreamName, presentation },
                                                 { nativeStreamName, native } } };
    const std::array<std::size_t, 4> sizes { oleStreamSize, compObjStreamSize, presentationStreamSize,
                                             nativeStreamSize };
    for (std::size_t i = 0; i < streams.size(); ++i) {
        if (streams[i].bytes.size() != sizes[i])
            return failure(status::fail,
                           QStringLiteral("the stream %1 comes out at %2 bytes, not %3")
                               .arg(printableStreamName(streams[i].name))
                               .arg(streams[i].bytes.size())
                               .arg(sizes[i]));
    }
    return writeCompoundDocument(paintPictureClass, streams);
}

} // namespace qv::showcase
