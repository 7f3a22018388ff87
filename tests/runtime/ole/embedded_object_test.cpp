// The embedded object's reader: its refusals of damaged documents, each with what it found, and that it
// answers whatever the damage. The documents are the showcase's stored one, damaged.

#include "runtime/ole/embedded_object.h"
#include "support/compound_document_view.h"
#include "support/named_rows.h"
#include "windows/showcase/embedded_picture/compound_document_writer.h"
#include "windows/showcase/embedded_picture/paint_picture_document.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <random>
#include <string>

namespace qv
{
namespace
{

using namespace test;
using ole::paintPictureClass;

std::span<const std::byte> stored()
{
    return showcase::paintPictureDocument;
}

TEST(OleObjectReader, ReadsTheStoredObject)
{
    const auto read = readEmbeddedObject(stored());
    ASSERT_TRUE(read) << qPrintable(read.failure().explanation());
    const EmbeddedObject &object = read.value();
    EXPECT_EQ(object.className, QStringLiteral("Paint.Picture"));
    EXPECT_EQ(object.userType, QStringLiteral("Paintbrush Picture"));
    EXPECT_EQ(object.picture.size(), QSize(300, 250));
    EXPECT_EQ(object.picture, object.nativePicture) << "the presentation shows the object's own picture";
}

// Damaged documents: each row changes the stored streams (or the document's bytes) and names what the
// refusal must say.
Bytes rebuild(const Streams &streams, const ole::ClassId &cls = paintPictureClass)
{
    std::vector<showcase::NamedStream> named;
    for (const auto &[name, bytes] : streams)
        named.push_back({ name, bytes });
    auto written = showcase::writeCompoundDocument(cls, named);
    EXPECT_TRUE(written) << qPrintable(written.failure().explanation());
    return written ? std::move(written).value() : Bytes {};
}

Bytes withStream(const std::string &name, const std::function<void(Bytes &)> &change)
{
    Streams streams = GsfView(stored()).streams();
    change(streams.at(name));
    return rebuild(streams);
}

struct Damage {
    const char *name;
    std::function<Bytes()> document;
    const char *fault;
};
using qv::test::PrintTo;

class OleObjectDamage : public ::testing::TestWithParam<Damage>
{
};

TEST_P(OleObjectDamage, IsRefusedWithItsFault)
{
    const Bytes document = GetParam().document();
    const auto read = readEmbeddedObject(document);
    ASSERT_FALSE(read);
    const QString error = read.failure().explanation();
    EXPECT_TRUE(error.startsWith(QStringLiteral("reading the embedded Paint.Picture object failed: ")))
        << qPrintable(error);
    EXPECT_TRUE(error.contains(QString::fromUtf8(GetParam().fault))) << qPrintable(error);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, OleObjectDamage,
    ::testing::Values(
        Damage { "Empty", [] { return Bytes {}; }, "the compound document cannot be opened" },
        Damage { "RandomBytes",
                 [] {
                     std::mt19937 random(7);
                     Bytes b(456'704);
                     for (auto &x : b)
                         x = static_cast<std::byte>(random() & 0xFFu);
                     return b;
                 },
                 "the compound document cannot be opened" },
        Damage { "TruncatedToItsHeader", [] { return Bytes(stored().begin(), stored().begin() + 512); },
                 "the compound document cannot be opened" },
        Damage { "TruncatedToHalf", [] { return Bytes(stored().begin(), stored().begin() + 456'704 / 2); },
                 "the compound document cannot be opened" },
        Damage { "WrongRootClass",
                 [] {
                     ole::ClassId other = paintPictureClass;
                     other[0] = std::byte { 0x0B };
                     return rebuild(GsfView(stored()).streams(), other);
                 },
                 "the root entry's class is {0003000B-0000-0000-C000-000000000046}, not Paint.Picture's" },
        Damage { "MissingPresentation",
                 [] {
                     Streams streams = GsfView(stored()).streams();
                     streams.erase(presentationName);
                     return rebuild(streams);
                 },
                 "the stream \\2OlePres000 is missing" },
        Damage { "ShortOleStream", [] { return withStream(oleName, [](Bytes &b) { b.pop_back(); }); },
                 "the stream \\1Ole is 19 bytes long, not 20" },
        Damage { "LinkedNotEmbedded", [] { return withStream(oleName, [](Bytes &b) { putU32(b, 4, 1); }); },
                 "the stream \\1Ole is damaged: its flags (0x00000001) mark a linked object" },
        Damage {
            "CompObjOtherFormat",
            [] {
                return withStream(compObjName, [](Bytes &b) { b.at(32 + 19 + 4 + 5) = std::byte { 'k' }; });
            },
            "the stream \\1CompObj is damaged: it names the clipboard format \"PBrusk\", not \"PBrush\"" },
        Damage { "CompObjStringOverrun",
                 [] { return withStream(compObjName, [](Bytes &b) { putU32(b, 28, 60); }); },
                 "the stream \\1CompObj is damaged: its user type of 60 bytes is cut short" },
        Damage { "WrongLengthPrefix",
                 [] { return withStream(nativeName, [](Bytes &b) { putU32(b, 0, 225'000); }); },
                 "the stream \\1Ole10Native is damaged: its length prefix gives 225000 bytes of native data, "
                 "but 225056 follow" },
        Damage { "CorruptBitmapSignature",
                 [] { return withStream(nativeName, [](Bytes &b) { b.at(5) = std::byte { 'X' }; }); },
                 "the stream \\1Ole10Native is damaged: the bitmap file does not start with \"BM\"" },
        Damage { "BitmapFileSizeWrong",
                 [] { return withStream(nativeName, [](Bytes &b) { putU32(b, 4 + 2, 1000); }); },
                 "the bitmap file's header gives its size as 1000 bytes, but it is 225054" },
        Damage { "BitmapWider",
                 [] { return withStream(nativeName, [](Bytes &b) { putU32(b, 4 + 18, 301); }); },
                 "the stream \\1Ole10Native is damaged: the bitmap is 301 x 250 pixels, not 300 x 250" },
        Damage { "BitmapOf8Bits",
                 [] { return withStream(nativeName, [](Bytes &b) { b.at(4 + 28) = std::byte { 8 }; }); },
                 "1 plane(s) of 8 bits a pixel, not one of 24" },
        Damage { "BitmapPixelsAtAnotherOffset",
                 [] { return withStream(nativeName, [](Bytes &b) { putU32(b, 4 + 10, 58); }); },
                 "the stream \\1Ole10Native is damaged: the bitmap's pixels are put at offset 58, not 54" },
        Damage { "BitmapWithAColourTableItsPixelsLack",
                 [] { return withStream(nativeName, [](Bytes &b) { putU32(b, 4 + 46, 2); }); },
                 "the bitmap's pixels are put at offset 54, not 62 after its colour table" },
        Damage { "PresentationColourTableLonger",
                 [] { return withStream(presentationName, [](Bytes &b) { putU32(b, 40 + 32, 30); }); },
                 "the stream \\2OlePres000 is damaged: the bitmap holds 224984 bytes of pixels, not 225000" },
        Damage { "BitmapCompressed",
                 [] { return withStream(nativeName, [](Bytes &b) { putU32(b, 4 + 30, 1); }); },
                 "the bitmap is compressed (method 1)" },
        Damage {
            "PresentationNotADib",
            [] { return withStream(presentationName, [](Bytes &b) { putU32(b, 4, 3); }); },
            "the stream \\2OlePres000 is damaged: its clipboard format is 0xFFFFFFFF 0x00000003, not a DIB" },
        // The extent rounded down, and a height one over: the picture that follows is still the right size.
        Damage { "PresentationExtentRoundedDown",
                 [] { return withStream(presentationName, [](Bytes &b) { putU32(b, 28, 7937); }); },
                 "the stream \\2OlePres000 is damaged: its extent is 7937 x 6615 hundredths of a millimetre, "
                 "not 7938 x 6615" },
        Damage { "PresentationExtentTaller",
                 [] { return withStream(presentationName, [](Bytes &b) { putU32(b, 32, 6616); }); },
                 "the stream \\2OlePres000 is damaged: its extent is 7938 x 6616 hundredths of a millimetre, "
                 "not 7938 x 6615" },
        Damage { "PresentationDataSizeWrong",
                 [] { return withStream(presentationName, [](Bytes &b) { putU32(b, 36, 100); }); },
                 "its header gives 100 bytes of picture, but 225144 follow" },
        Damage { "PresentationDibTaller",
                 [] { return withStream(presentationName, [](Bytes &b) { putU32(b, 40 + 8, 251); }); },
                 "the stream \\2OlePres000 is damaged: the bitmap is 300 x 251 pixels" }),
    [](const auto &row) { return std::string(row.param.name); });

// Whatever the damage, the reader answers: yes with a whole picture, or no with a reason.
TEST(OleObjectFuzz, NeverCrashesAndAlwaysExplains)
{
    const Bytes original(stored().begin(), stored().end());
    std::mt19937 random(20240607);
    const auto check = [](const Bytes &document) {
        const auto read = readEmbeddedObject(document);
        if (read)
            EXPECT_EQ(read.value().picture.size(), QSize(300, 250));
        else
            EXPECT_FALSE(read.failure().info.description.isEmpty());
    };
    for (int i = 0; i < 40; ++i)
        check(Bytes(original.begin(),
                    original.begin() + static_cast<std::ptrdiff_t>(random() % original.size())));
    // Flipped bits, mostly where the structure is: the header, and the directory and allocation tables at
    // the end.
    for (int i = 0; i < 160; ++i) {
        Bytes document = original;
        for (int flips = 0; flips < 4; ++flips) {
            const std::size_t region = random() % 3;
            const std::size_t at = region == 0 ? random() % 512
                : region == 1                  ? original.size() - 1 - random() % (12 * 512)
                                               : random() % original.size();
            document[at] ^= static_cast<std::byte>(1u << (random() % 8));
        }
        check(document);
    }
}

} // namespace
} // namespace qv
