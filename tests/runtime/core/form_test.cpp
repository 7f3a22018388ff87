// Form objects over a small stored description of their own: showing, loading and unloading.

#include "runtime/core/control_private.h"
#include "runtime/core/form_private.h"
#include "runtime/core/test_seams.h"
#include "runtime/start/desktop_host.h"
#include "runtime/start/standard_runtime.h"
#include "support/named_rows.h"
#include "support/recording_host.h"
#include <quorvane/form.h>

#include <QApplication>
#include <QGuiApplication>
#include <QTest>
#include <array>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>

namespace qv
{
namespace
{

constexpr std::array probeControls {
    ControlRecord { .name = "Label1",
                    .cls = BuiltinClass::Label,
                    .left = 0,
                    .top = 0,
                    .width = 1500,
                    .height = 300,
                    .tabIndex = 0,
                    .text = "Label1" },
    ControlRecord { .name = "Text1",
                    .cls = BuiltinClass::TextBox,
                    .left = 0,
                    .top = 300,
                    .width = 1500,
                    .height = 300,
                    .tabIndex = 1,
                    .text = "Text1" },
};
constexpr std::array failingControls {
    ControlRecord { .name = "Label1", .cls = BuiltinClass::Label, .width = 1500, .height = 300 },
    ControlRecord { .name = "Text1", .cls = BuiltinClass::TextBox, .width = 1500, .height = 300 },
    ControlRecord { .name = "Missing1", .cls = ProgId { "Nowhere.Missing" }, .width = 1500, .height = 300 },
    ControlRecord { .name = "Command1", .cls = BuiltinClass::CommandButton, .width = 1500, .height = 300 },
};
// A container that cannot be made, with a control inside it, and one after both.
constexpr std::array orphanControls {
    ControlRecord { .name = "Missing1", .cls = ProgId { "Nowhere.Missing" }, .width = 3000, .height = 900 },
    ControlRecord {
        .name = "Label1", .cls = BuiltinClass::Label, .container = "Missing1", .width = 1500, .height = 300 },
    ControlRecord {
        .name = "Command1", .cls = BuiltinClass::CommandButton, .top = 900, .width = 1500, .height = 300 },
};
constexpr FormDescription orphanLayout { .name = "Orphans",
                                         .caption = "Orphans",
                                         .clientWidth = 3000,
                                         .clientHeight = 1500,
                                         .controls = orphanControls };
constexpr FormDescription probeLayout {
    .name = "Probe", .caption = "Probe", .clientWidth = 3000, .clientHeight = 1500, .controls = probeControls
};
constexpr FormDescription failingLayout { .name = "Broken",
                                          .caption = "Broken",
                                          .clientWidth = 3000,
                                          .clientHeight = 1500,
                                          .controls = failingControls };

class ProbeForm final : public Form
{
public:
    using Form::Form;
    Status Text1(ObjRef<TextBox> &out) { return control("Text1", out); }
    Status Nothing(ObjRef<TextBox> &out) { return control("Nothing1", out); }
    Status Label1AsTextBox(ObjRef<TextBox> &out) { return control("Label1", out); }
};

class FormObject : public ::testing::Test
{
protected:
    ~FormObject() override
    {
        form.reset();
        runtime.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ProbeForm &make(const FormDescription &layout)
    {
        form = runtime->adoptForm(new ProbeForm(*runtime, layout));
        return static_cast<ProbeForm &>(*form);
    }

    test::RecordingHost host;
    std::unique_ptr<StandardRuntime> runtime = std::make_unique<StandardRuntime>(host);
    ObjRef<Form> form;
};

struct ShowArguments {
    const char *name;
    Variant modal;
    Variant owner;
    Status expected;
};
using qv::test::PrintTo;

class ShowArgument : public FormObject, public ::testing::WithParamInterface<ShowArguments>
{
};

TEST_P(ShowArgument, IsCheckedBeforeAnythingIsShown)
{
    ProbeForm &probe = make(probeLayout);
    EXPECT_EQ(probe.Show(GetParam().modal, GetParam().owner), GetParam().expected);
    EXPECT_EQ(isLoaded(probe) && windowOf(probe)->isVisible(), GetParam().expected == status::ok);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ShowArgument,
    ::testing::Values(ShowArguments { "BothOmitted", Variant::missing(), Variant::missing(), status::ok },
                      ShowArguments { "ModalZero", Variant::fromLong(0), Variant::missing(), status::ok },
                      ShowArguments { "ModalTwo", Variant::fromLong(2), Variant::missing(),
                                      status::invalidProcedureCall },
                      ShowArguments { "OwnerGiven", Variant::fromLong(0), Variant::fromLong(1),
                                      status::invalidProcedureCall }),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(FormObject, ModalShowOfAVisibleFormFails)
{
    ProbeForm &probe = make(probeLayout);
    ASSERT_EQ(probe.Show(), status::ok);
    EXPECT_EQ(probe.Show(Variant::fromLong(1)), status::alreadyShownModally);
}

TEST_F(FormObject, ModalShowReturnsWhenHidden)
{
    ProbeForm &probe = make(probeLayout);
    QMetaObject::invokeMethod(
        qApp, [&] { probe.Hide(); }, Qt::QueuedConnection);
    EXPECT_EQ(probe.Show(Variant::fromLong(1)), status::ok);
    EXPECT_FALSE(windowOf(probe)->isVisible());
    EXPECT_EQ(windowOf(probe)->windowModality(), Qt::NonModal);
}

TEST_F(FormObject, ModalShowReturnsWhenUnloadedByCloseBox)
{
    ProbeForm &probe = make(probeLayout);
    QMetaObject::invokeMethod(
        qApp, [&] { windowOf(probe)->close(); }, Qt::QueuedConnection);
    EXPECT_EQ(probe.Show(Variant::fromLong(1)), status::ok);
    EXPECT_FALSE(isLoaded(probe));
}

TEST_F(FormObject, FailedLoadLeavesNothingBehindAndNamesTheRecord)
{
    ProbeForm &probe = make(failingLayout);
    EXPECT_EQ(probe.Show(Variant::fromLong(1)), status::cannotCreateObject);
    EXPECT_FALSE(isLoaded(probe));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(probeOf(*runtime).liveControls(), 0);
    const ErrorInfo info = runtime->takeErrorObject();
    ASSERT_TRUE(info.creation.has_value());
    EXPECT_EQ(info.creation->controlName, QStringLiteral("Missing1"));
    EXPECT_EQ(info.creation->className, QStringLiteral("Nowhere.Missing"));
    EXPECT_FALSE(info.creation->reason.isEmpty());
}

TEST_F(FormObject, LoadGoingOnPastFailuresTriesOrphansInTheWindow)
{
    ProbeForm &probe = make(orphanLayout);
    QStringList outcomes;
    const LoadResult load = loadForm(probe, CreationPolicy::GoOnPastFailures);
    for (const RecordOutcome &tried : load.records) {
        const QString name
            = QString::fromLatin1(tried.record->name.data(), qsizetype(tried.record->name.size()));
        outcomes << (tried.outcome
                         ? name
                         : name + QStringLiteral(": ") + tried.outcome.failure().info.creation->reason);
    }
    EXPECT_EQ(load.outcome.status(), status::cannotCreateObject) << "the first failure's status";
    ASSERT_EQ(outcomes.size(), 3) << qPrintable(outcomes.join('\n'));
    EXPECT_TRUE(outcomes[0].startsWith(QStringLiteral("Missing1: the class is not in the control manifest")))
        << qPrintable(outcomes[0]);
    EXPECT_EQ(outcomes[1], QStringLiteral("Label1")) << "made in the window, its container being gone";
    EXPECT_EQ(outcomes[2], QStringLiteral("Command1"));

    EXPECT_FALSE(isLoaded(probe)) << "a load with a failure leaves no window";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(probeOf(*runtime).liveControls(), 0);
    EXPECT_EQ(host.reports.size(), 0u);

    // The plain load of the same window still stops at the first failure.
    EXPECT_EQ(probe.Show(), status::cannotCreateObject);
    EXPECT_EQ(runtime->takeErrorObject().creation->controlName, QStringLiteral("Missing1"));
}

TEST_F(FormObject, ControlOfAnUnloadedFormFailsSafely)
{
    ProbeForm &probe = make(probeLayout);
    ObjRef<TextBox> text;
    ASSERT_EQ(probe.Text1(text), status::ok);
    unloadForm(probe);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    BStr value;
    EXPECT_EQ(text->Text(value), status::objectUnloaded);
    EXPECT_EQ(text->Text(u"x"), status::objectUnloaded);
    EXPECT_EQ(text->refCount(), 1) << "the holder's reference keeps the object, not the window";
}

TEST_F(FormObject, AccessorLoadsTheFormAndChecksTheControl)
{
    ProbeForm &probe = make(probeLayout);
    ObjRef<TextBox> text;
    EXPECT_EQ(probe.Text1(text), status::ok);
    EXPECT_TRUE(isLoaded(probe));
    EXPECT_FALSE(windowOf(probe)->isVisible()) << "loading does not show";
    EXPECT_EQ(probe.Nothing(text), status::fail);
    EXPECT_TRUE(runtime->takeErrorObject().description.contains(QStringLiteral("Nothing1")));
    EXPECT_EQ(probe.Label1AsTextBox(text), status::fail);
}

// A Load handler that throws what its row gives: whatever leaves a handler is the runtime's report, and the
// end of the run with status 1, never std::terminate.
struct CustomFault {
    int code;
};
struct ThrownFromHandler {
    const char *name;
    std::function<void()> raise;
    const char *description;
};

class ThrowingForm final : public Form
{
public:
    ThrowingForm(Runtime &runtime, const FormDescription &layout, std::function<void()> raise)
        : Form(runtime, layout)
        , raise_(std::move(raise))
    {
    }
    Handler handlerFor(std::string_view control, Event event) override
    {
        if (control != "Form" || event != Event::Load)
            return {};
        return [this] {
            raise_();
            return status::ok;
        };
    }

private:
    std::function<void()> raise_;
};

class HandlerException : public FormObject, public ::testing::WithParamInterface<ThrownFromHandler>
{
};

TEST_P(HandlerException, IsReportedAsARunTimeErrorAndEndsTheRun)
{
    form = runtime->adoptForm(new ThrowingForm(*runtime, probeLayout, GetParam().raise));
    EXPECT_TRUE(failed(form->Show()));
    ASSERT_EQ(host.reports.size(), 1u);
    const QString report = host.reports[0].text;
    EXPECT_TRUE(report.contains(QString::fromUtf8(GetParam().description))) << qPrintable(report);
    EXPECT_TRUE(report.contains(QStringLiteral("Object: Probe"))) << qPrintable(report);
    EXPECT_EQ(host.exitStatus, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Thrown, HandlerException,
    ::testing::Values(
        ThrownFromHandler {
            "StandardException", [] { throw std::runtime_error("disk full"); },
            "The Form event handler ended with an exception of type std::runtime_error: disk full" },
        ThrownFromHandler { "ProgramsOwnType", [] { throw CustomFault { 7 }; },
                            "The Form event handler ended with an exception of type qv::(anonymous "
                            "namespace)::CustomFault" },
        ThrownFromHandler { "PlainInteger", [] { throw 42; },
                            "The Form event handler ended with an exception of type int" }),
    [](const auto &row) { return std::string(row.param.name); });

// On a platform where nobody can press the report's OK, the program's own host writes it to standard error
// and ends the run with status 1 at once.
TEST(HandlerExceptionOffscreen, EndsTheProgramWithItsReportWithoutWaiting)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    EXPECT_EXIT(
        {
            DesktopHost desktop;
            StandardRuntime program(desktop);
            const ObjRef<Form> thrower = program.adoptForm(
                new ThrowingForm(program, probeLayout, [] { throw std::runtime_error("disk full"); }));
            (void)thrower->Show();
            std::_Exit(0); // not reached: the report ends the run
        },
        ::testing::ExitedWithCode(1), "std::runtime_error: disk full");
}

// Descriptions that no load may build from: each is refused before any control is made.
constexpr std::array containerAfterChild {
    ControlRecord { .name = "Label1", .cls = BuiltinClass::Label, .container = "Frame1", .width = 900 },
    ControlRecord { .name = "Frame1", .cls = BuiltinClass::Frame, .width = 1500, .height = 900 },
};
constexpr std::array containerNowhere {
    ControlRecord { .name = "Label1", .cls = BuiltinClass::Label, .container = "Frame9", .width = 900 },
};
constexpr std::array sameNameTwice {
    ControlRecord { .name = "Label1", .cls = BuiltinClass::Label, .width = 900 },
    ControlRecord { .name = "Text1", .cls = BuiltinClass::TextBox, .width = 900 },
    ControlRecord { .name = "Label1", .cls = BuiltinClass::Label, .top = 300, .width = 900 },
};
constexpr std::array classOutsideTheRuntime {
    ControlRecord { .name = "Label1", .cls = BuiltinClass::Label, .width = 900 },
    ControlRecord { .name = "Mystery1", .cls = static_cast<BuiltinClass>(99), .width = 900 },
};
constexpr std::array textBoxAsContainer {
    ControlRecord { .name = "Text1", .cls = BuiltinClass::TextBox, .width = 1500, .height = 900 },
    ControlRecord { .name = "Label1", .cls = BuiltinClass::Label, .container = "Text1", .width = 900 },
};
constexpr std::array negativeWidth {
    ControlRecord { .name = "Label1", .cls = BuiltinClass::Label, .width = -900 },
};
constexpr std::array negativeHeight {
    ControlRecord { .name = "Label1", .cls = BuiltinClass::Label, .width = 900, .height = -1 },
};

struct UnsoundDescription {
    const char *name;
    std::span<const ControlRecord> controls;
    const char *fault;
};

class Unsound : public FormObject, public ::testing::WithParamInterface<UnsoundDescription>
{
protected:
    FormDescription layout {
        .name = "Unsound", .caption = "Unsound", .clientWidth = 3000, .clientHeight = 1500
    };
};

TEST_P(Unsound, IsRefusedBeforeAnyControlIsMade)
{
    layout.controls = GetParam().controls;
    ProbeForm &probe = make(layout);
    for (const CreationPolicy policy :
         { CreationPolicy::StopAtFirstFailure, CreationPolicy::GoOnPastFailures }) {
        const LoadResult load = loadForm(probe, policy);
        EXPECT_EQ(load.outcome.status(), status::fail);
        EXPECT_TRUE(load.records.empty());
        EXPECT_EQ(probeOf(*runtime).controlsCreated(), 0);
        ASSERT_FALSE(load.outcome);
        EXPECT_EQ(load.outcome.failure().info.description, QString::fromUtf8(GetParam().fault));
    }
    EXPECT_EQ(probe.Show(), status::fail);
    EXPECT_FALSE(isLoaded(probe));
    EXPECT_EQ(runtime->takeErrorObject().description, QString::fromUtf8(GetParam().fault));
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, Unsound,
    ::testing::Values(
        UnsoundDescription { "ContainerAfterItsChild", containerAfterChild,
                             "Unsound: container Frame1 of control Label1 does not precede it." },
        UnsoundDescription { "ContainerNowhere", containerNowhere,
                             "Unsound: container Frame9 of control Label1 does not precede it." },
        UnsoundDescription { "SameNameTwice", sameNameTwice, "Unsound: two controls are named Label1." },
        UnsoundDescription {
            "ClassOutsideTheRuntime", classOutsideTheRuntime,
            "Unsound: control Mystery1 has class value 99, which is not a class of the runtime." },
        UnsoundDescription {
            "TextBoxAsContainer", textBoxAsContainer,
            "Unsound: container Text1 of control Label1 cannot hold controls; of the runtime's "
            "classes only a Frame or a PictureBox can." },
        UnsoundDescription { "NegativeWidth", negativeWidth,
                             "Unsound: control Label1 has a negative width (-900)." },
        UnsoundDescription { "NegativeHeight", negativeHeight,
                             "Unsound: control Label1 has a negative height (-1)." }),
    [](const auto &row) { return std::string(row.param.name); });

// A control's own stored values go through its class's description as it is made: a name the class does not
// store, a value of another kind or one its property refuses fails the load, naming the control, its class,
// the property and the value, and leaves nothing behind.
struct BadStoredValue {
    const char *name;
    BuiltinClass cls;
    StoredValue value;
    const char *reason;
};

class StoredValues : public FormObject, public ::testing::WithParamInterface<BadStoredValue>
{
};

TEST_P(StoredValues, ThatTheClassRefusesFailTheLoadNamingThem)
{
    const BadStoredValue &row = GetParam();
    const std::array values { row.value };
    const std::array controls {
        ControlRecord { .name = "Label1", .cls = BuiltinClass::Label, .width = 900, .height = 255 },
        ControlRecord { .name = "Victim1", .cls = row.cls, .width = 900, .height = 255, .values = values },
    };
    const FormDescription layout {
        .name = "Stored", .caption = "Stored", .clientWidth = 3000, .clientHeight = 1500, .controls = controls
    };
    ProbeForm &probe = make(layout);
    EXPECT_EQ(probe.Show(), status::cannotCreateObject);
    EXPECT_FALSE(isLoaded(probe));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(probeOf(*runtime).liveControls(), 0);
    const ErrorInfo info = runtime->takeErrorObject();
    ASSERT_TRUE(info.creation.has_value());
    EXPECT_EQ(info.creation->controlName, QStringLiteral("Victim1"));
    EXPECT_EQ(info.creation->reason, QString::fromUtf8(row.reason));
}

INSTANTIATE_TEST_SUITE_P(
    Refused, StoredValues,
    ::testing::Values(
        BadStoredValue { "NegativeInterval", BuiltinClass::Timer, StoredValue { "Interval", -5 },
                         "its stored value Interval = -5: an interval is 0 to 65535 milliseconds" },
        BadStoredValue { "NameMisspelt", BuiltinClass::Timer, StoredValue { "Intervall", 250 },
                         "its stored value Intervall is no property its class stores" },
        BadStoredValue { "NotStored", BuiltinClass::TextBox, StoredValue { "SelStart", 2 },
                         "its stored value SelStart is no property its class stores" },
        BadStoredValue { "TextForANumber", BuiltinClass::TextBox, StoredValue { "MaxLength", "twelve" },
                         "its stored value MaxLength = \"twelve\": not a value of its type, int" },
        BadStoredValue { "NumberForAText", BuiltinClass::Data, StoredValue { "Connect", 2000 },
                         "its stored value Connect = 2000: not a value of its type, QString" },
        BadStoredValue { "NotOneOfItsValues", BuiltinClass::Label, StoredValue { "Alignment", 7 },
                         "its stored value Alignment = 7: not one of its values" },
        BadStoredValue {
            "ReadOnlyAndNotMadeFrom", BuiltinClass::Label, StoredValue { "TabIndex", 3 },
            "its stored value TabIndex is read-only: it is stored in the control's record itself" }),
    [](const auto &row) { return std::string(row.param.name); });

// A stored value takes effect as the control is made: a timer that stores its interval runs from the load,
// with no code to start it.
TEST_F(FormObject, ATimerRunsFromItsStoredInterval)
{
    const std::array values { StoredValue { "Interval", 20 } };
    const std::array controls { ControlRecord {
        .name = "Timer1", .cls = BuiltinClass::Timer, .values = values } };
    const FormDescription layout { .name = "Ticking",
                                   .caption = "Ticking",
                                   .clientWidth = 3000,
                                   .clientHeight = 1500,
                                   .controls = controls };
    ProbeForm &probe = make(layout);
    int ticks = 0;
    probe.bind("Timer1", "Timer", [&](std::span<Variant>) {
        ++ticks;
        return status::ok;
    });
    ASSERT_EQ(probe.Show(), status::ok);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 5000)) << ticks << " ticks";
}

} // namespace
} // namespace qv
