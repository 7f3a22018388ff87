// How a started program's run ends: when its last visible window goes, from code or by its close box, every
// form's Terminate runs and the run ends with status 0; End and a run-time error end it at once, without
// Terminate; while a window is still visible the run goes on.

#include "runtime/core/control_private.h"
#include "runtime/core/form_private.h"
#include "runtime/start/standard_runtime.h"
#include "support/named_rows.h"
#include "support/recording_host.h"
#include <quorvane/default_instance.h>
#include <quorvane/form.h>
#include <quorvane/program.h>
#include <quorvane/project_record.h>
#include <quorvane/runtime_error.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace qv
{
namespace
{

constexpr std::array oneButton { ControlRecord { .name = "Command1",
                                                 .cls = BuiltinClass::CommandButton,
                                                 .width = 1500,
                                                 .height = 300,
                                                 .text = "Command1" } };
constexpr FormDescription mainLayout {
    .name = "Main", .caption = "Main", .clientWidth = 3000, .clientHeight = 1500, .controls = oneButton
};
constexpr FormDescription secondLayout {
    .name = "Second", .caption = "Second", .clientWidth = 3000, .clientHeight = 1500, .controls = oneButton
};
constexpr ProjectIdentity identity { .projectName = "Ending",
                                     .title = "Ending",
                                     .executableName = "Ending",
                                     .executableFile = "Ending",
                                     .helpFile = "",
                                     .description = "",
                                     .locale = 1033,
                                     .threading = Threading::Single,
                                     .windowCount = 2,
                                     .activeXClassCount = 0,
                                     .runtimeBuild = 0,
                                     .iconResource = "" };

// A program of two windows, Main its start-up form; what each row does to it is switched on by the flags.
class Program
{
public:
    Program()
    {
        vbaNew2(*runtime, { [](Runtime &r) { return new Form(r, mainLayout); } }, main);
        vbaNew2(*runtime, { [](Runtime &r) { return new Form(r, secondLayout); } }, second);
        for (FormSlot *slot : { &main, &second }) {
            (*slot)->bind("Form", "Terminate", [this, slot](std::span<Variant>) {
                terminated.push_back((*slot)->objectName());
                return failTerminate ? status::invalidProcedureCall : status::ok;
            });
        }
        main->bind("Form", "QueryUnload", [this](std::span<Variant> arguments) {
            if (keepMain)
                arguments[0] = Variant(true);
            return status::ok;
        });
        main->bind("Command1", "Click", [this](std::span<Variant>) {
            if (failClick)
                return status::invalidProcedureCall;
            return onClick ? onClick() : status::ok;
        });
        main->bind("Form", "Load", [this](std::span<Variant>) { return mainLoad ? mainLoad() : status::ok; });
        second->bind("Form", "Load",
                     [this](std::span<Variant>) { return secondLoad ? secondLoad() : status::ok; });
    }
    ~Program()
    {
        runtime->endRun(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    bool visible(const FormSlot &slot) const { return windowOf(*slot) && windowOf(*slot)->isVisible(); }
    void click()
    {
        QTest::mouseClick(qobject_cast<QAbstractButton *>(widgetOf(*findControl(*main, "Command1"))),
                          Qt::LeftButton);
    }

    test::RecordingHost host;
    std::unique_ptr<StandardRuntime> runtime = std::make_unique<StandardRuntime>(host);
    // After the runtime: the slots' references go first.
    FormSlot main;
    FormSlot second;
    const ProjectRecord project { identity, {}, main };

    std::vector<QString> terminated;
    bool keepMain = false;
    bool failClick = false;
    bool failTerminate = false;
    std::function<Status()> onClick;
    std::function<Status()> mainLoad;
    std::function<Status()> secondLoad;
};

struct Ending {
    const char *name;
    std::function<void(Program &)> before; // before the start
    std::function<void(Program &)> act;
    std::optional<int> exitStatus; // none: the run goes on
    std::vector<QString> terminated;
    std::size_t reports = 0;
};
using test::PrintTo;

class RunEnd : public ::testing::TestWithParam<Ending>
{
protected:
    Program program;
};

TEST_P(RunEnd, ComesWithTheLastVisibleWindowAndRunsTerminate)
{
    const Ending &row = GetParam();
    if (row.before)
        row.before(program);
    program.runtime->start(program.project);
    ASSERT_TRUE(row.before || program.visible(program.main));
    row.act(program);
    EXPECT_EQ(program.host.exitStatus, row.exitStatus);
    EXPECT_EQ(program.terminated, row.terminated);
    EXPECT_EQ(program.host.reports.size(), row.reports)
        << (program.host.reports.empty() ? QString() : program.host.reports.front().text).toStdString();
    if (row.exitStatus) {
        EXPECT_FALSE(isLoaded(*program.main));
        EXPECT_FALSE(isLoaded(*program.second));
    }
}

void closeBox(const FormSlot &slot)
{
    windowOf(*slot)->close();
}
Status showSecond(Program &p, int modal = 0)
{
    return p.second->Show(Variant::fromLong(modal));
}
const std::vector<QString> both { QStringLiteral("Main"), QStringLiteral("Second") };
// A click whose handler hides the main window, shows the second modally until its close box unloads it, and
// then does what `after` says.
void clickThroughModalSecond(Program &p, std::function<Status()> after)
{
    p.onClick = [&p, after = std::move(after)] {
        if (const Status s = p.main->Hide(); failed(s))
            return s;
        QMetaObject::invokeMethod(
            qApp, [&p] { closeBox(p.second); }, Qt::QueuedConnection);
        if (const Status s = showSecond(p, 1); failed(s))
            return s;
        return after();
    };
    p.click();
}

INSTANTIATE_TEST_SUITE_P(
    Endings, RunEnd,
    ::testing::Values(
        Ending { "MainClosedByItsCloseBox", {}, [](Program &p) { closeBox(p.main); }, 0, both },
        Ending { "MainUnloadedFromCode",
                 {},
                 [](Program &p) { ASSERT_EQ(p.main->Unload(), status::ok); },
                 0,
                 both },
        Ending { "UnloadCancelledByQueryUnload",
                 {},
                 [](Program &p) {
                     p.keepMain = true;
                     ASSERT_EQ(p.main->Unload(), status::ok);
                     EXPECT_TRUE(p.visible(p.main));
                 },
                 std::nullopt,
                 {} },
        Ending { "SecondUnloadedWhileMainShows",
                 {},
                 [](Program &p) {
                     ASSERT_EQ(showSecond(p), status::ok);
                     ASSERT_EQ(p.second->Unload(), status::ok);
                 },
                 std::nullopt,
                 {} },
        Ending { "SecondClosedWhileMainShows",
                 {},
                 [](Program &p) {
                     ASSERT_EQ(showSecond(p), status::ok);
                     closeBox(p.second);
                 },
                 std::nullopt,
                 {} },
        // A splash window: the start-up form shows the next and unloads itself; the run ends with the next.
        Ending { "MainUnloadedWhileSecondShows",
                 {},
                 [](Program &p) {
                     ASSERT_EQ(showSecond(p), status::ok);
                     ASSERT_EQ(p.main->Unload(), status::ok);
                     EXPECT_TRUE(p.visible(p.second));
                 },
                 std::nullopt,
                 {} },
        Ending { "ThenSecondClosedToo",
                 {},
                 [](Program &p) {
                     ASSERT_EQ(showSecond(p), status::ok);
                     ASSERT_EQ(p.main->Unload(), status::ok);
                     closeBox(p.second);
                 },
                 0,
                 both },
        // While the click's handler runs no window is visible; the handler shows the main window again.
        Ending { "ModalSecondClosedWhileAHandlerHidesMain",
                 {},
                 [](Program &p) {
                     clickThroughModalSecond(p, [&p] { return p.main->Show(); });
                     EXPECT_TRUE(p.visible(p.main));
                 },
                 std::nullopt,
                 {} },
        // The same handler leaving no window visible: the run ends once it returns.
        Ending { "ModalSecondClosedAndMainUnloadedByAHandler",
                 {},
                 [](Program &p) { clickThroughModalSecond(p, [&p] { return p.main->Unload(); }); },
                 0,
                 both },
        // A program may hide its last window and show it again later.
        Ending {
            "MainHidden", {}, [](Program &p) { ASSERT_EQ(p.main->Hide(), status::ok); }, std::nullopt, {} },
        // A log-in dialog shown modally from the start-up form's Load, which unloads itself: nothing is
        // visible yet, and the run goes on to show the start-up form.
        Ending { "ModalDialogUnloadedInMainsLoad",
                 [](Program &p) {
                     p.mainLoad = [&p] {
                         QMetaObject::invokeMethod(
                             qApp, [&p] { p.second->Unload(); }, Qt::QueuedConnection);
                         return showSecond(p, 1);
                     };
                 },
                 [](Program &p) { EXPECT_TRUE(p.visible(p.main)); },
                 std::nullopt,
                 {} },
        // A start-up form that unloads itself in its Load ends the run quietly: the program's own choice.
        Ending { "MainUnloadedInItsOwnLoad",
                 [](Program &p) { p.mainLoad = [&p] { return p.main->Unload(); }; }, [](Program &) {}, 0,
                 both },
        // Any other form that does is not shown: Show fails with "Object was unloaded" (364).
        Ending { "SecondUnloadedInItsOwnLoad",
                 [](Program &p) { p.secondLoad = [&p] { return p.second->Unload(); }; },
                 [](Program &p) {
                     EXPECT_EQ(showSecond(p), status::objectUnloaded);
                     EXPECT_TRUE(p.visible(p.main));
                 },
                 std::nullopt,
                 {} },
        Ending { "End",
                 {},
                 [](Program &p) {
                     try {
                         vbaEnd(*p.runtime);
                     } catch (const RunTimeError &) {
                     }
                 },
                 0,
                 {} },
        Ending { "RunTimeErrorInAHandler",
                 {},
                 [](Program &p) {
                     p.failClick = true;
                     p.click();
                 },
                 1,
                 {},
                 1 },
        // A failing Terminate is reported like any handler's, and no later one runs.
        Ending { "TerminateFails",
                 {},
                 [](Program &p) {
                     p.failTerminate = true;
                     closeBox(p.main);
                 },
                 1,
                 { QStringLiteral("Main") },
                 1 }),
    test::rowName);

} // namespace
} // namespace qv
