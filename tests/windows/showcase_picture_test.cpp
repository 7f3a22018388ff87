// The showcase window's embedded Paint.Picture object: the compound document the build wrote, as libgsf
// reads it, written again the same, and the picture inside it.

#include "runtime/ole/embedded_object.h"
#include "support/compound_document_view.h"
#include "windows/showcase/embedded_picture/paint_picture_document.h"
#include "windows/showcase/embedded_picture/paint_picture_object.h"
#include "windows/showcase/form2_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace qv
{
namespace
{

using namespace test;

std::span<const std::byte> stored()
{
    return showcase::paintPictureDocument;
}

TEST(OleObjectDocument, Is456704BytesOf512ByteSectors)
{
    const Bytes document(stored().begin(), stored().end());
    ASSERT_EQ(document.size(), 456'704u);
    EXPECT_EQ(document.size() % 512, 0u);
    EXPECT_EQ(textAt(document, 0, 8), "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") << "compound document signature";
    EXPECT_EQ(u32At(document, 0x1E) & 0xFFFFu, 9u) << "sector shift: 512-byte sectors";
    EXPECT_EQ(u32At(document, 0x20) & 0xFFFFu, 6u) << "mini sector shift: 64-byte mini sectors";
}

TEST(OleObjectDocument, RootCarriesThePaintPictureClass)
{
    const GsfView view(stored());
    ASSERT_TRUE(view.document);
    EXPECT_EQ(ole::classIdText(view.rootClass()), QStringLiteral("{0003000A-0000-0000-C000-000000000046}"));
}

TEST(OleObjectDocument, HoldsFourStreamsNamedWithTheirControlCharacters)
{
    const Streams streams = GsfView(stored()).streams();
    std::map<std::string, std::size_t> sizes;
    for (const auto &[name, bytes] : streams)
        sizes[name] = bytes.size();
    const std::map<std::string, std::size_t> expected {
        { oleName, 20 }, { compObjName, 77 }, { presentationName, 225'184 }, { nativeName, 225'060 }
    };
    EXPECT_EQ(sizes, expected);
}

TEST(OleObjectDocument, OleStreamDescribesAnEmbeddedObject)
{
    const Bytes ole = GsfView(stored()).streams().at(oleName);
    EXPECT_EQ(u32At(ole, 0), 0x02000001u) << "version";
    EXPECT_EQ(u32At(ole, 4) & 1u, 0u) << "not linked";
    EXPECT_EQ(u32At(ole, 16), 0u) << "no moniker";
}

TEST(OleObjectDocument, CompObjNamesTheClassAndThePBrushFormat)
{
    const Bytes compObj = GsfView(stored()).streams().at(compObjName);
    ole::ClassId cls {};
    std::copy_n(compObj.begin() + 12, cls.size(), cls.begin());
    EXPECT_EQ(ole::classIdText(cls), QStringLiteral("{0003000A-0000-0000-C000-000000000046}"))
        << "the class identity in its header";
    const std::uint32_t userTypeLength = u32At(compObj, 28);
    EXPECT_EQ(textAt(compObj, 32, userTypeLength), std::string("Paintbrush Picture") + '\0');
    const std::size_t format = 32 + userTypeLength;
    EXPECT_EQ(u32At(compObj, format), 7u);
    EXPECT_EQ(textAt(compObj, format + 4, 7), std::string("PBrush") + '\0');
}

TEST(OleObjectDocument, NativeDataIsALengthPrefixedBitmapFile)
{
    const Bytes native = GsfView(stored()).streams().at(nativeName);
    EXPECT_EQ(u32At(native, 0), 225'054u) << "length prefix";
    EXPECT_EQ(textAt(native, 4, 2), "BM");
    EXPECT_EQ(u32At(native, 4 + 2), 225'054u) << "file size";
    EXPECT_EQ(u32At(native, 4 + 10), 54u) << "pixels follow the two headers";
    EXPECT_EQ(u32At(native, 4 + 18), 300u) << "width";
    EXPECT_EQ(u32At(native, 4 + 22), 250u) << "height";
    EXPECT_EQ(u32At(native, 4 + 26) >> 16, 24u) << "bits a pixel";
    EXPECT_EQ(u32At(native, 4 + 30), 0u) << "uncompressed";
    EXPECT_EQ(native.at(225'058), std::byte { 0 }) << "zero padding to whole words";
    EXPECT_EQ(native.at(225'059), std::byte { 0 });
}

TEST(OleObjectDocument, PresentationIsADibOfTheSamePicture)
{
    const Bytes presentation = GsfView(stored()).streams().at(presentationName);
    EXPECT_EQ(u32At(presentation, 0), 0xFFFFFFFFu);
    EXPECT_EQ(u32At(presentation, 4), 8u) << "CF_DIB";
    EXPECT_EQ(u32At(presentation, 36), presentation.size() - 40) << "data size";
    EXPECT_EQ(u32At(presentation, 40 + 4), 300u);
    EXPECT_EQ(u32At(presentation, 40 + 8), 250u);
    EXPECT_EQ(u32At(presentation, 40 + 14) & 0xFFFFu, 24u);

    const auto read = readEmbeddedObject(stored());
    ASSERT_TRUE(read) << qPrintable(read.failure().explanation());
    const EmbeddedObject &object = read.value();
    EXPECT_EQ(object.picture.size(), QSize(300, 250));
    EXPECT_EQ(object.picture, object.nativePicture);
    EXPECT_EQ(object.className, QStringLiteral("Paint.Picture"));
}

// The build's tool wrote the stored document with no application; written again here, inside one, it comes
// out the same byte for byte.
TEST(OleObjectDocument, IsWrittenTheSameEveryTime)
{
    const auto written = showcase::writePaintPictureObject();
    ASSERT_TRUE(written) << qPrintable(written.failure().explanation());
    const Bytes &again = written.value();
    EXPECT_TRUE(std::equal(again.begin(), again.end(), stored().begin(), stored().end()));
}

TEST(OleObjectDocument, IsWhatTheShowcasesOleContainerHolds)
{
    const auto &controls = form2Layout().controls;
    const auto ole1 = std::find_if(controls.begin(), controls.end(),
                                   [](const ControlRecord &r) { return r.name == "OLE1"; });
    ASSERT_NE(ole1, controls.end());
    ASSERT_EQ(ole1->values.size(), 2u);
    EXPECT_EQ(ole1->values[0].property, "Class");
    EXPECT_EQ(std::get<std::string_view>(ole1->values[0].value), "Paint.Picture");
    EXPECT_EQ(ole1->values[1].property, "OLEObject");
    const auto object = std::get<std::span<const std::byte>>(ole1->values[1].value);
    EXPECT_EQ(object.data(), stored().data());
    EXPECT_EQ(object.size(), stored().size());
}

TEST(OleObjectDocument, PictureIsALandscapeNotABlank)
{
    const auto read = readEmbeddedObject(stored());
    ASSERT_TRUE(read) << qPrintable(read.failure().explanation());
    const EmbeddedObject &object = read.value();
    const QColor sky = object.picture.pixelColor(10, 5);
    const QColor meadow = object.picture.pixelColor(200, 245);
    EXPECT_GT(sky.blue(), sky.green()) << "blue at the top";
    EXPECT_GT(meadow.green(), meadow.blue()) << "green at the bottom";
}

} // namespace
} // namespace qv
