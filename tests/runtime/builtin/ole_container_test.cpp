// The OLE container control: shows its embedded object's picture, opens the server's stand-in on a double
// click, and refuses a record whose object is missing, damaged or of another class, alone and in a form.

#include "runtime/builtin/ole_container.h"
#include "runtime/core/control_private.h"
#include "runtime/core/form_private.h"
#include "runtime/start/standard_runtime.h"
#include "support/named_rows.h"
#include "support/recording_host.h"
#include "windows/showcase/embedded_picture/paint_picture_document.h"
#include <quorvane/form.h>
#include <quorvane/members.h>

#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace qv
{
namespace
{

using Bytes = std::vector<std::byte>;

// The showcase's stored object.
std::span<const std::byte> stored()
{
    return showcase::paintPictureDocument;
}

// The container's record, as a window's layout stores it.
// The values live in `values`, which must outlive the record.
ControlRecord oleRecord(std::span<const std::byte> object, std::array<StoredValue, 2> &values,
                        std::string_view cls = "Paint.Picture")
{
    values = { StoredValue { "Class", cls }, StoredValue { "OLEObject", object } };
    return ControlRecord {
        .name = "OLE1", .cls = BuiltinClass::OLE, .width = 1335, .height = 555, .values = values
    };
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
    std::array<StoredValue, 2> values;
    const ControlRecord record = oleRecord(stored(), values);
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
    std::array<StoredValue, 2> values;
    const ControlRecord record = oleRecord(stored(), values);
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
using qv::test::PrintTo;

class OleContainerRefusal : public ::testing::TestWithParam<BadRecord>
{
};

TEST_P(OleContainerRefusal, GivesNoWidgetAndAMessage)
{
    QWidget window;
    const Bytes object = GetParam().object();
    std::array<StoredValue, 2> values;
    const ControlRecord record = oleRecord(object, values, GetParam().cls);
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
        records[0] = oleRecord(object, values);
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
    std::array<StoredValue, 2> values;
    std::array<ControlRecord, 1> records;
    FormDescription layout;
    ObjRef<Form> form;
};

TEST_F(OleContainerInAForm, IsCreatedWithItsPicture)
{
    Form &probe = load(stored());
    ASSERT_EQ(probe.Show(), status::ok);
    const Control *control = findControl(probe, "OLE1");
    ASSERT_NE(control, nullptr);
    const auto *container = qobject_cast<const builtin::OleContainer *>(widgetOf(*control));
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->picture().size(), QSize(300, 250));
}

// Its members as a program reads them: the class the record names and the object read from it agree, and
// neither it nor how the object is held (embedded) can be written; the source document is kept as written.
TEST_F(OleContainerInAForm, MembersReadTheStoredObject)
{
    Form &probe = load(stored());
    ASSERT_EQ(probe.Show(), status::ok);
    Control &ole = *findControl(probe, "OLE1");
    const Outcome<EmbeddedObject> object = readEmbeddedObject(stored());
    ASSERT_TRUE(object);
    const auto reads = [&](std::string_view property, const Variant &expected) {
        Variant read;
        ASSERT_EQ(ole.get(property, read), status::ok) << property;
        EXPECT_EQ(read, expected) << property << " reads " << read.toString().value_or("?").toStdString();
    };
    reads("Class", Variant(storedText(std::get<std::string_view>(records[0].values[0].value))));
    reads("Class", Variant(object.value().className));
    reads("OLEType", Variant(std::int32_t { 1 }));
    EXPECT_EQ(ole.put("Class", Variant(QStringLiteral("Word.Document"))), status::readOnlyProperty);
    EXPECT_EQ(ole.put("OLEType", Variant(std::int32_t { 3 })), status::readOnlyProperty);
    reads("Class", Variant(object.value().className));
    ASSERT_EQ(ole.put("SourceDoc", Variant(QStringLiteral("picture.bmp"))), status::ok);
    reads("SourceDoc", Variant(QStringLiteral("picture.bmp")));
    // Described without a control as this one describes itself (the other classes: the typed classes' test).
    EXPECT_TRUE(classMembers(BuiltinClass::OLE) == ole.members());
}

TEST_F(OleContainerInAForm, DamagedObjectFailsTheLoadWithTheReason)
{
    const Bytes damaged(stored().begin(), stored().begin() + 4096);
    Form &probe = load(damaged);
    EXPECT_EQ(probe.Show(), status::cannotCreateObject);
    EXPECT_FALSE(isLoaded(probe));
    const ErrorInfo info = runtime->takeErrorObject();
    ASSERT_TRUE(info.creation.has_value());
    EXPECT_EQ(info.creation->controlName, QStringLiteral("OLE1"));
    EXPECT_TRUE(info.creation->reason.contains(QStringLiteral("the compound document cannot be opened")))
        << qPrintable(info.creation->reason);
}

} // namespace
} // namespace qv
