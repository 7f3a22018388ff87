// Events of the built-in controls, bound by name and raised by real input (QTest's keys and mouse) or by the
// member that causes them: the handler runs with the event's arguments, and what it writes back to an
// argument passed by reference (KeyAscii, KeyCode) is what the control then does.

#include "support/builtin_form.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace qv
{
namespace
{

struct Raised {
    int count = 0;
    std::vector<Variant> last;
};

struct EventCase {
    const char *name;
    std::string_view control;
    std::string_view event;
    // What the handler does with the arguments, beyond recording them.
    std::function<void(std::span<Variant>)> handler;
    // Raises the event as a user or the program would.
    std::function<void(Form &, QWidget *)> raise;
    std::vector<Variant> expected; // the arguments of the last time it was raised
    // What the user sees afterwards, when the handler changed an argument; none: nothing to check.
    std::function<void(Form &, QWidget *)> afterwards = {};
};

Status put(Form &form, std::string_view control, std::string_view property, Variant value)
{
    return findControl(form, control)->put(property, value);
}

using FormOfAllClasses = test::BuiltinForm;

class Events : public FormOfAllClasses, public ::testing::WithParamInterface<EventCase>
{
};

TEST_P(Events, RunTheHandlerBoundByNameWithTheirArguments)
{
    Raised raised;
    const EventCase &row = GetParam();
    form->bind(row.control, row.event, [&](std::span<Variant> arguments) {
        ++raised.count;
        raised.last.assign(arguments.begin(), arguments.end());
        if (row.handler)
            row.handler(arguments);
        return status::ok;
    });
    ASSERT_EQ(form->Show(), status::ok) << runtime->takeErrorObject().description.toStdString();
    QWidget *widget = row.control == "Form" ? nullptr : widgetNamed(row.control);
    row.raise(*form, widget);
    EXPECT_TRUE(QTest::qWaitFor([&] { return raised.count > 0; }, 5000)) << "never raised";
    EXPECT_EQ(raised.last.size(), row.expected.size());
    for (std::size_t i = 0; i < std::min(raised.last.size(), row.expected.size()); ++i)
        EXPECT_EQ(raised.last[i], row.expected[i])
            << "argument " << i << ": "
            << raised.last[i].toString().value_or(QStringLiteral("?")).toStdString();
    if (row.afterwards)
        row.afterwards(*form, widget);
    EXPECT_TRUE(host.reports.empty());
}

Variant integer(int v)
{
    return Variant(static_cast<std::int16_t>(v));
}

INSTANTIATE_TEST_SUITE_P(
    BuiltinClasses, Events,
    ::testing::Values(
        EventCase { "FormLoad", "Form", "Load", {}, [](Form &, QWidget *) {}, {} },
        EventCase {
            "FormResize",
            "Form",
            "Resize",
            {},
            [](Form &f, QWidget *) { ASSERT_EQ(f.put("Width", Variant(std::int32_t { 7200 })), status::ok); },
            {} },
        EventCase { "FormClickOutsideItsControls",
                    "Form",
                    "Click",
                    {},
                    [](Form &f, QWidget *) {
                        QWidget *window = windowOf(f);
                        // The first point, across the bottom row, that no control covers.
                        for (int x = 0; x < window->width(); x += 4) {
                            const QPoint p(x, window->height() - 2);
                            if (!window->childAt(p))
                                return QTest::mouseClick(window, Qt::LeftButton, {}, p);
                        }
                        FAIL() << "no spot of the window is free of controls";
                    },
                    {} },
        EventCase { "FormDeactivateAndActivate",
                    "Form",
                    "Deactivate",
                    {},
                    [](Form &f, QWidget *) {
                        QWidget other;
                        other.show();
                        other.activateWindow();
                        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
                        windowOf(f)->activateWindow();
                        ASSERT_TRUE(QTest::qWaitForWindowActive(windowOf(f)));
                    },
                    {} },
        EventCase { "FormActivate",
                    "Form",
                    "Activate",
                    {},
                    [](Form &f, QWidget *) { ASSERT_TRUE(QTest::qWaitForWindowActive(windowOf(f))); },
                    {} },
        EventCase { "CommandButtonClick",
                    "Command1",
                    "Click",
                    {},
                    [](Form &, QWidget *w) { QTest::mouseClick(w, Qt::LeftButton); },
                    {} },
        EventCase {
            "CheckBoxClick",
            "Check1",
            "Click",
            {},
            [](Form &, QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2)); },
            {} },
        EventCase {
            "OptionButtonClick",
            "Option1",
            "Click",
            {},
            [](Form &, QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2)); },
            {} },
        EventCase { "TextBoxChange",
                    "Text1",
                    "Change",
                    {},
                    [](Form &, QWidget *w) { QTest::keyClicks(w, "ab"); },
                    {} },
        EventCase { "KeyPressSeesTheCharacter",
                    "Text1",
                    "KeyPress",
                    {},
                    [](Form &, QWidget *w) { QTest::keyClick(w, Qt::Key_A); },
                    { integer('a') } },
        EventCase { "KeyAsciiZeroSwallowsTheKey",
                    "Text1",
                    "KeyPress",
                    [](std::span<Variant> a) { a[0] = integer(0); },
                    [](Form &f, QWidget *w) {
                        ASSERT_EQ(put(f, "Text1", "Text", Variant(QString())), status::ok);
                        QTest::keyClick(w, Qt::Key_A);
                    },
                    { integer('a') },
                    [](Form &, QWidget *w) { EXPECT_EQ(static_cast<QLineEdit *>(w)->text(), QString()); } },
        EventCase {
            "KeyAsciiChangedTypesAnother",
            "Text1",
            "KeyPress",
            [](std::span<Variant> a) { a[0] = integer('B'); },
            [](Form &f, QWidget *w) {
                ASSERT_EQ(put(f, "Text1", "Text", Variant(QString())), status::ok);
                QTest::keyClick(w, Qt::Key_A);
            },
            { integer('a') },
            [](Form &, QWidget *w) { EXPECT_EQ(static_cast<QLineEdit *>(w)->text(), QStringLiteral("B")); } },
        EventCase { "KeyDownWithShift",
                    "Text1",
                    "KeyDown",
                    {},
                    [](Form &, QWidget *w) { QTest::keyClick(w, Qt::Key_A, Qt::ShiftModifier); },
                    { integer(Qt::Key_A), integer(1) } },
        EventCase {
            "GotFocus",
            "Text1",
            "GotFocus",
            {},
            [](Form &f, QWidget *) { ASSERT_EQ(findControl(f, "Text1")->call("SetFocus"), status::ok); },
            {} },
        EventCase { "MouseDownInTwips",
                    "Picture1",
                    "MouseDown",
                    {},
                    [](Form &, QWidget *w) { QTest::mousePress(w, Qt::LeftButton, {}, QPoint(10, 5)); },
                    { integer(1), integer(0), Variant(150.0f), Variant(75.0f) } },
        EventCase { "ScrollBarChange",
                    "HScroll1",
                    "Change",
                    {},
                    [](Form &f, QWidget *) {
                        ASSERT_EQ(put(f, "HScroll1", "Value", Variant(std::int32_t { 5 })), status::ok);
                    },
                    {} },
        EventCase { "ScrollBarScroll",
                    "VScroll1",
                    "Scroll",
                    {},
                    [](Form &, QWidget *w) {
                        auto *bar = static_cast<QScrollBar *>(w);
                        bar->setSliderDown(true);
                        bar->setSliderPosition(bar->sliderPosition() + 1);
                        bar->setSliderDown(false);
                    },
                    {} },
        EventCase { "ListDblClick",
                    "List1",
                    "DblClick",
                    {},
                    [](Form &f, QWidget *w) {
                        ASSERT_EQ(
                            findControl(f, "List1")->call("AddItem", { Variant(QStringLiteral("Oak")) }),
                            status::ok);
                        auto *list = static_cast<QListWidget *>(w);
                        list->doItemsLayout();
                        const QPoint at = list->visualItemRect(list->item(0)).center();
                        // A double click is a press, a release, then the double click's press, on the item.
                        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
                        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
                    },
                    {} },
        EventCase { "TimerTimer",
                    "Timer1",
                    "Timer",
                    {},
                    [](Form &f, QWidget *) {
                        ASSERT_EQ(put(f, "Timer1", "Interval", Variant(std::int32_t { 10 })), status::ok);
                    },
                    {} },
        EventCase { "FileListPathChange",
                    "File1",
                    "PathChange",
                    {},
                    [](Form &f, QWidget *) {
                        ASSERT_EQ(put(f, "File1", "Path", Variant(QDir::rootPath())), status::ok);
                    },
                    {} },
        EventCase { "FileListPatternChange",
                    "File1",
                    "PatternChange",
                    {},
                    [](Form &f, QWidget *) {
                        ASSERT_EQ(put(f, "File1", "Pattern", Variant(QStringLiteral("*.md"))), status::ok);
                    },
                    {} },
        EventCase { "DirListChange",
                    "Dir1",
                    "Change",
                    {},
                    [](Form &f, QWidget *) {
                        ASSERT_EQ(put(f, "Dir1", "Path", Variant(QDir::rootPath())), status::ok);
                    },
                    {} },
        EventCase { "ImageClick",
                    "Image1",
                    "Click",
                    {},
                    [](Form &, QWidget *w) { QTest::mouseClick(w, Qt::LeftButton); },
                    {} },
        EventCase { "PictureBoxClick",
                    "Picture1",
                    "Click",
                    {},
                    [](Form &, QWidget *w) { QTest::mouseClick(w, Qt::LeftButton); },
                    {} }),
    [](const auto &row) { return std::string(row.param.name); });

struct BadBinding {
    const char *name;
    std::string_view control;
    std::string_view event;
    const char *fault;
};

class BadBindings : public FormOfAllClasses, public ::testing::WithParamInterface<BadBinding>
{
};

TEST_P(BadBindings, FailTheLoadNamingTheControlAndTheEvent)
{
    form->bind(GetParam().control, GetParam().event, [](std::span<Variant>) { return status::ok; });
    EXPECT_EQ(form->Show(), status::fail);
    EXPECT_FALSE(isLoaded(*form));
    EXPECT_EQ(runtime->takeErrorObject().description, QString::fromUtf8(GetParam().fault));
}

INSTANTIATE_TEST_SUITE_P(
    Refused, BadBindings,
    ::testing::Values(
        BadBinding {
            "EventTheClassLacks", "Command1", "Change",
            "Builtins: a handler is bound to Command1_Change, but Command1 (CommandButton) raises no event "
            "Change." },
        BadBinding {
            "ControlTheFormLacks", "Nothing1", "Click",
            "Builtins: a handler is bound to Nothing1_Click, but the form has no control Nothing1." },
        BadBinding {
            "FormEventThatIsNone", "Form", "Explode",
            "Builtins: a handler is bound to Builtins_Explode, but a form raises no event Explode." }),
    [](const auto &row) { return std::string(row.param.name); });

// Unloading from code and by the close box: QueryUnload learns how, and Cancel set by either handler keeps
// the form; a control is reached by name from outside the form's own code.
struct UnloadCase {
    const char *name;
    const char *cancelIn; // the event whose handler sets Cancel, or none
    bool byCloseBox;
    bool stillLoaded;
    std::int16_t unloadMode;
};

class Unloading : public FormOfAllClasses, public ::testing::WithParamInterface<UnloadCase>
{
};

TEST_P(Unloading, AsksQueryUnloadThenUnloadAndHonoursCancel)
{
    const UnloadCase &row = GetParam();
    std::vector<std::string> asked;
    std::optional<Variant> mode;
    for (const char *event : { "QueryUnload", "Unload" }) {
        form->bind("Form", event, [&, event](std::span<Variant> arguments) {
            asked.emplace_back(event);
            if (std::string_view(event) == "QueryUnload")
                mode = arguments[1];
            if (row.cancelIn && std::string_view(row.cancelIn) == event)
                arguments[0] = Variant(true);
            return status::ok;
        });
    }
    ASSERT_EQ(form->Show(), status::ok);
    ObjRef<Control> text;
    ASSERT_EQ(form->Controls("Text1", text), status::ok);
    ASSERT_EQ(text->put("Text", Variant(QStringLiteral("kept"))), status::ok);
    if (row.byCloseBox)
        windowOf(*form)->close();
    else
        ASSERT_EQ(form->Unload(), status::ok);
    EXPECT_EQ(isLoaded(*form), row.stillLoaded);
    EXPECT_EQ(mode, Variant(row.unloadMode));
    EXPECT_EQ(asked.front(), "QueryUnload");
    const bool both = !row.cancelIn || std::string_view(row.cancelIn) == "Unload";
    EXPECT_EQ(asked.size(), both ? 2u : 1u);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Variant read;
    EXPECT_EQ(text->get("Text", read) == status::ok && read == Variant(QStringLiteral("kept")),
              row.stillLoaded);
}

INSTANTIATE_TEST_SUITE_P(FromCodeAndCloseBox, Unloading,
                         ::testing::Values(UnloadCase { "FromCode", nullptr, false, false, 1 },
                                           UnloadCase { "CancelledInQueryUnload", "QueryUnload", false, true,
                                                        1 },
                                           UnloadCase { "CancelledInUnload", "Unload", false, true, 1 },
                                           UnloadCase { "CloseBoxCancelled", "QueryUnload", true, true, 0 }),
                         [](const auto &row) { return std::string(row.param.name); });

// Unloading hides the window, which takes the focus from its control and the activation from the window:
// neither may reach a handler of the form that is going.
TEST_F(FormOfAllClasses, NoEventRunsOnceTheFormUnloads)
{
    std::vector<std::string> raised;
    form->bind("Form", "Deactivate", [&](std::span<Variant>) {
        raised.emplace_back("Form_Deactivate");
        return status::ok;
    });
    form->bind("Text1", "LostFocus", [&](std::span<Variant>) {
        raised.emplace_back("Text1_LostFocus");
        return status::ok;
    });
    ASSERT_EQ(form->Show(), status::ok);
    ASSERT_TRUE(QTest::qWaitForWindowActive(windowOf(*form)));
    ObjRef<Control> text;
    ASSERT_EQ(form->Controls("Text1", text), status::ok);
    ASSERT_EQ(text->SetFocus(), status::ok);
    ASSERT_EQ(form->Unload(), status::ok);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(raised.empty()) << raised.front();
}

// A label passes its clicks on to its window; they are not the window's own.
TEST_F(FormOfAllClasses, AClickOnALabelIsNotTheFormsClick)
{
    int clicks = 0;
    form->bind("Form", "Click", [&](std::span<Variant>) {
        ++clicks;
        return status::ok;
    });
    ASSERT_EQ(form->Show(), status::ok);
    QTest::mouseClick(widgetNamed("Label1"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 0);
}

} // namespace
} // namespace qv
