// The OLE container's embedded Paint.Picture object: the stored compound document as libgsf reads it, the
// reader's refusals of damaged documents, and the container control that shows the picture.

#include "runtime/builtin/ole_container.h"
#include "runtime/core/form.h"
#include "runtime/ole/compound_document.h"
#include "runtime/ole/paint_picture_object.h"
#include "runtime/start/standard_runtime.h"
#include "support/recording_host.h"

#include <QTest>

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-utils.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <random>
#include <string>

namespace qv
{
namespace
{

using Bytes = std::vector<std::byte>;
using Streams = std::map<std::string, Bytes>;

const std::string oleName = "\x01Ole";
const std::string compObjName = std::string("\x01") + "CompObj";
const std::string presentationName = "\x02OlePres000";
const std::string nativeName = "\x01Ole10Native";

constexpr ole::ClassId paintPictureClass { std::byte { 0x0A }, std::byte { 0x00 }, std::byte { 0x03 },
                                           std::byte { 0x00 }, std::byte { 0x00 }, std::byte { 0x00 },
                                           std::byte { 0x00 }, std::byte { 0x00 }, std::byte { 0xC0 },
                                           std::byte { 0x00 }, std::byte { 0x00 }, std::byte { 0x00 },
                                           std::byte { 0x00 }, std::byte { 0x00 }, std::byte { 0x00 },
                                           std::byte { 0x46 } };

std::uint32_t u32At(const Bytes &b, std::size_t at)
{
    return std::to_integer<std::uint32_t>(b.at(at)) | std::to_integer<std::uint32_t>(b.at(at + 1)) << 8
        | std::to_integer<std::uint32_t>(b.at(at + 2)) << 16
        | std::to_integer<std::uint32_t>(b.at(at + 3)) << 24;
}

void putU32(Bytes &b, std::size_t at, std::uint32_t v)
{
    for (std::size_t i = 0; i < 4; ++i)
        b.at(at + i) = static_cast<std::byte>((v >> (8 * i)) & 0xFFu);
}

std::string textAt(const Bytes &b, std::size_t at, std::size_t n)
{
    return std::string(reinterpret_cast<const char *>(b.data() + at), n);
}

// The document as libgsf itself sees it, independent of the program's reader.
struct GsfView {
    struct Unref {
        void operator()(void *object) const { g_object_unref(object); }
    };
    std::unique_ptr<GsfInput, Unref> source;
    std::unique_ptr<GsfInfile, Unref> document;

    explicit GsfView(std::span<const std::byte> bytes)
    {
        gsf_init();
        source.reset(gsf_input_memory_new(reinterpret_cast<const guint8 *>(bytes.data()),
                                          static_cast<gsf_off_t>(bytes.size()), FALSE));
        GError *error = nullptr;
        document.reset(gsf_infile_msole_new(source.get(), &error));
        if (error)
            g_error_free(error);
    }
    ole::ClassId rootClass() const
    {
        ole::ClassId id {};
        gsf_infile_msole_get_class_id(reinterpret_cast<GsfInfileMSOle *>(document.get()),
                                      reinterpret_cast<guint8 *>(id.data()));
        return id;
    }
    Streams streams() const
    {
        Streams all;
        for (int i = 0; i < gsf_infile_num_children(document.get()); ++i) {
            std::unique_ptr<GsfInput, Unref> child(gsf_infile_child_by_index(document.get(), i));
            Bytes bytes(static_cast<std::size_t>(gsf_input_size(child.get())));
            gsf_input_read(child.get(), bytes.size(), reinterpret_cast<guint8 *>(bytes.data()));
            all[gsf_infile_name_by_index(document.get(), i)] = bytes;
        }
        return all;
    }
};

std::span<const std::byte> stored()
{
    return paintPictureObject();
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
    EXPECT_TRUE(std::equal(paintPictureClass.begin(), paintPictureClass.end(), compObj.begin() + 12))
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

    EmbeddedObject object;
    QString error;
    ASSERT_TRUE(readEmbeddedObject(stored(), object, error)) << qPrintable(error);
    EXPECT_EQ(object.picture.size(), QSize(300, 250));
    EXPECT_EQ(object.picture, object.nativePicture);
    EXPECT_EQ(object.className, QStringLiteral("Paint.Picture"));
}

TEST(OleObjectDocument, IsBuiltOnceAndTheSameEveryTime)
{
    EXPECT_EQ(paintPictureObject().data(), paintPictureObject().data());
    const Bytes again = writePaintPictureObject();
    EXPECT_TRUE(std::equal(again.begin(), again.end(), stored().begin(), stored().end()));
}

TEST(OleObjectDocument, PictureIsALandscapeNotABlank)
{
    EmbeddedObject object;
    QString error;
    ASSERT_TRUE(readEmbeddedObject(stored(), object, error)) << qPrintable(error);
    const QColor sky = object.picture.pixelColor(10, 5);
    const QColor meadow = object.picture.pixelColor(200, 245);
    EXPECT_GT(sky.blue(), sky.green()) << "blue at the top";
    EXPECT_GT(meadow.green(), meadow.blue()) << "green at the bottom";
}

// Damaged documents: each row changes the stored streams (or the document's bytes) and names what the
// refusal must say.
Bytes rebuild(const Streams &streams, const ole::ClassId &cls = paintPictureClass)
{
    std::vector<ole::NamedStream> named;
    for (const auto &[name, bytes] : streams)
        named.push_back({ name, bytes });
    Bytes out;
    QString error;
    EXPECT_TRUE(ole::writeCompoundDocument(cls, named, out, error)) << qPrintable(error);
    return out;
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
void PrintTo(const Damage &d, std::ostream *os)
{
    *os << d.name;
}

class OleObjectDamage : public ::testing::TestWithParam<Damage>
{
};

TEST_P(OleObjectDamage, IsRefusedWithItsFault)
{
    const Bytes document = GetParam().document();
    EmbeddedObject object;
    QString error;
    EXPECT_FALSE(readEmbeddedObject(document, object, error));
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
        Damage { "BitmapCompressed",
                 [] { return withStream(nativeName, [](Bytes &b) { putU32(b, 4 + 30, 1); }); },
                 "the bitmap is compressed (method 1)" },
        Damage {
            "PresentationNotADib",
            [] { return withStream(presentationName, [](Bytes &b) { putU32(b, 4, 3); }); },
            "the stream \\2OlePres000 is damaged: its clipboard format is 0xFFFFFFFF 0x00000003, not a DIB" },
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
        EmbeddedObject object;
        QString error;
        if (readEmbeddedObject(document, object, error))
            EXPECT_EQ(object.picture.size(), QSize(300, 250));
        else
            EXPECT_FALSE(error.isEmpty());
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

// The container control.
ControlRecord oleRecord(std::span<const std::byte> object, std::string_view cls = "Paint.Picture")
{
    return ControlRecord { .name = "OLE1",
                           .cls = BuiltinClass::OLE,
                           .width = 1335,
                           .height = 555,
                           .oleClass = cls,
                           .oleObject = object };
}

// The container's maker, as the form load calls it, inside `window`.
Outcome<QObject *> makeContainer(const ControlRecord &record, QWidget &window)
{
    struct NoEvents final : EventSink {
        void raise(std::string_view, Event) override { }
    };
    static NoEvents events;
    const TwipsScale scale;
    return builtin::makeOleContainer(record, MakeSite { window, scale, events });
}

QString reasonOf(const Outcome<QObject *> &made)
{
    return made ? QString() : made.failure().info.description;
}

TEST(OleContainerControl, ShowsTheCachedPictureInASunkenFrame)
{
    QWidget window;
    const ControlRecord record = oleRecord(stored());
    const Outcome<QObject *> made = makeContainer(record, window);
    ASSERT_TRUE(made) << qPrintable(reasonOf(made));
    auto *widget = qobject_cast<QWidget *>(made.value());
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), &window);
    auto *container = qobject_cast<builtin::OleContainer *>(widget);
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->picture().size(), QSize(300, 250));
    EXPECT_EQ(container->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(container->serverWindow(), nullptr) << "nothing activates the object by itself";

    widget->setGeometry(0, 0, 89, 37);
    const QImage shown = widget->grab().toImage();
    EXPECT_NE(shown.pixelColor(shown.width() / 2, 3), widget->palette().color(QPalette::Base))
        << "the picture fills the frame's height";
}

TEST(OleContainerControl, DoubleClickOpensTheServerStandInAtThePicturesSize)
{
    QWidget window;
    const ControlRecord record = oleRecord(stored());
    const Outcome<QObject *> made = makeContainer(record, window);
    ASSERT_TRUE(made) << qPrintable(reasonOf(made));
    auto *container = qobject_cast<builtin::OleContainer *>(made.value());
    ASSERT_NE(container, nullptr);
    container->setGeometry(0, 0, 89, 37);
    window.show();
    QTest::mouseDClick(container, Qt::LeftButton);
    QWidget *server = container->serverWindow();
    ASSERT_NE(server, nullptr);
    EXPECT_TRUE(server->isWindow());
    EXPECT_TRUE(server->isVisible());
    EXPECT_EQ(server->windowTitle(), QStringLiteral("Paint.Picture - Picture in OLE1"));
    EXPECT_EQ(server->size(), QSize(300, 250));

    QTest::mouseDClick(container, Qt::LeftButton);
    EXPECT_EQ(container->serverWindow(), server) << "a second activation raises the same window";
}

struct BadRecord {
    const char *name;
    std::function<Bytes()> object;
    const char *cls;
    const char *fault;
};
void PrintTo(const BadRecord &r, std::ostream *os)
{
    *os << r.name;
}

class OleContainerRefusal : public ::testing::TestWithParam<BadRecord>
{
};

TEST_P(OleContainerRefusal, GivesNoWidgetAndAMessage)
{
    QWidget window;
    const Bytes object = GetParam().object();
    const ControlRecord record = oleRecord(object, GetParam().cls);
    const Outcome<QObject *> made = makeContainer(record, window);
    EXPECT_FALSE(made);
    const QString error = reasonOf(made);
    EXPECT_TRUE(window.children().isEmpty());
    EXPECT_TRUE(error.startsWith(QStringLiteral("OLE1: the OLE container cannot be created: ")))
        << qPrintable(error);
    EXPECT_TRUE(error.contains(QString::fromUtf8(GetParam().fault))) << qPrintable(error);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, OleContainerRefusal,
    ::testing::Values(BadRecord { "NoObject", [] { return Bytes {}; }, "Paint.Picture",
                                  "its record holds no embedded object" },
                      BadRecord { "DamagedObject",
                                  [] { return Bytes(stored().begin(), stored().begin() + 100'000); },
                                  "Paint.Picture", "reading the embedded Paint.Picture object failed" },
                      BadRecord { "OtherClass", [] { return Bytes(stored().begin(), stored().end()); },
                                  "Word.Document",
                                  "its record names the class Word.Document, but the embedded "
                                  "object is a Paint.Picture" }),
    [](const auto &row) { return std::string(row.param.name); });

// Through a form: the runtime's built-in classes make the container, or fail the load with the reason.
class OleContainerInAForm : public ::testing::Test
{
protected:
    ~OleContainerInAForm() override
    {
        form.reset();
        runtime.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Form &load(std::span<const std::byte> object)
    {
        records[0] = oleRecord(object);
        layout = FormDescription { .name = "Probe",
                                   .caption = "Probe",
                                   .clientWidth = 3000,
                                   .clientHeight = 1500,
                                   .controls = records };
        form = runtime->adoptForm(new Form(*runtime, layout));
        return *form;
    }

    test::RecordingHost host;
    std::unique_ptr<StandardRuntime> runtime = std::make_unique<StandardRuntime>(host);
    std::array<ControlRecord, 1> records;
    FormDescription layout;
    ObjRef<Form> form;
};

TEST_F(OleContainerInAForm, IsCreatedWithItsPicture)
{
    Form &probe = load(stored());
    ASSERT_EQ(probe.Show(), status::ok);
    const Control *control = probe.findControl("OLE1");
    ASSERT_NE(control, nullptr);
    const auto *container = qobject_cast<const builtin::OleContainer *>(control->widget());
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->picture().size(), QSize(300, 250));
}

TEST_F(OleContainerInAForm, DamagedObjectFailsTheLoadWithTheReason)
{
    const Bytes damaged(stored().begin(), stored().begin() + 4096);
    Form &probe = load(damaged);
    EXPECT_EQ(probe.Show(), status::cannotCreateObject);
    EXPECT_FALSE(probe.isLoaded());
    const ErrorInfo info = runtime->takeErrorObject();
    ASSERT_TRUE(info.creation.has_value());
    EXPECT_EQ(info.creation->controlName, QStringLiteral("OLE1"));
    EXPECT_TRUE(info.creation->reason.contains(QStringLiteral("the compound document cannot be opened")))
        << qPrintable(info.creation->reason);
}

} // namespace
} // namespace qv
