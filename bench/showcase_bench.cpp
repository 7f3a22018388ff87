// What a user of Quorvane waits for, each beside the anchor a Qt developer would compare it with: the
// showcase window's load and show (warm, against the same widgets made directly and by QUiLoader), its first
// load and paint in a fresh process (cold), the whole check in a fresh process, a round trip, and start-up to
// the main window. Fresh processes are compared with plain Qt programs run as children of this same binary,
// so that the same libraries are mapped: the same windows made directly (the fair floor), and a bare
// QApplication showing one empty window. Every figure comes with the peak resident memory while it was
// measured.
//
//   showcase_bench [--fresh_process_runs=N] [Google Benchmark options]
//   showcase_bench --child=<mode>    (used by the benchmark itself, one measurement in a fresh process)
//   showcase_bench --child=plain-program    (the plain program on the xcb platform, for first_click_xvfb.sh)

#include "child_process.h"
#include "direct_qt_showcase.h"
#include "growth.h"
#include "peak_memory.h"
#include "plain_program.h"

#include "support/program_driver.h"
#include "windows/showcase/form2_layout.h"

#include <QApplication>
#include <QTimer>
#include <QtTest/QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>

namespace qv::bench
{
namespace
{

using Clock = std::chrono::steady_clock;
const char *selfPath = nullptr;

// The program, started, with the showcase window's modules already loaded by one load and unload.
class WarmProgram
{
public:
    WarmProgram()
    {
        driver_.start();
        driver_.clickTest([&] { driver_.closeShowcaseByCloseBox(); });
        test::ProgramDriver::settle();
    }

    test::ProgramDriver &driver() { return driver_; }

private:
    test::ProgramDriver driver_;
};

// Lets the window paint, as it does before a user sees it; every anchor does the same.
void letItAppear()
{
    QCoreApplication::processEvents();
}

// What is left when a window goes: deferred deletions and posted events, which otherwise pile up between
// iterations (no event loop runs here) and make each later one slower than the program ever is.
void clearAway()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void reportPeak(benchmark::State &state)
{
    state.counters["peak_MiB"] = peakResidentMiB();
}

void BM_ShowcaseWarmLoad(benchmark::State &state)
{
    WarmProgram program;
    Form2 &showcase = program.driver().form2();
    resetPeakResident();
    for (auto _ : state) {
        if (failed(showcase.Show()))
            state.SkipWithError("the showcase window did not load");
        letItAppear();
        state.PauseTiming();
        unloadForm(showcase);
        clearAway();
        state.ResumeTiming();
    }
    reportPeak(state);
}

// An anchor's window made, shown and painted each iteration, then taken away untimed.
template<typename MakeWindow> void timeAnchor(benchmark::State &state, MakeWindow makeWindow)
{
    resetPeakResident();
    for (auto _ : state) {
        std::unique_ptr<QWidget> window = makeWindow();
        if (!window) {
            state.SkipWithError("the anchor's window could not be made");
            break;
        }
        window->show();
        letItAppear();
        state.PauseTiming();
        window.reset();
        clearAway();
        state.ResumeTiming();
    }
    reportPeak(state);
}

void BM_ShowcaseDirectQt(benchmark::State &state)
{
    const FormDescription &form = form2Layout();
    timeAnchor(state, [&] { return makeDirectly(form); });
}

void BM_ShowcaseUiLoader(benchmark::State &state)
{
    const QByteArray ui = uiDescription(form2Layout());
    timeAnchor(state, [&] { return loadWithUiLoader(ui); });
}

// "Test", the load, "Close Form", and back in the main window with the message; each from an unloaded
// showcase.
void BM_RoundTrip(benchmark::State &state)
{
    WarmProgram program;
    test::ProgramDriver &driver = program.driver();
    resetPeakResident();
    for (auto _ : state) {
        driver.clickTest([&] { driver.clickCloseForm(); });
        state.PauseTiming();
        if (!windowOf(driver.form1())->isVisible() || driver.text1().isEmpty())
            state.SkipWithError("the round trip did not come back to the main window with its message");
        unloadForm(driver.form2());
        clearAway();
        state.ResumeTiming();
    }
    reportPeak(state);
}

// One child process an iteration; the time is what the child reports or how long it took to say it was ready.
template<bool childMeasures> void inFreshProcesses(benchmark::State &state, const char *mode)
{
    double peak = 0;
    for (auto _ : state) {
        const ChildRun run = runChild(selfPath, mode);
        if (!run.ok) {
            state.SkipWithError("the child process failed");
            break;
        }
        const QList<QByteArray> said = run.firstLine.split(' ');
        const double seconds = childMeasures ? said.value(0).toDouble() / 1e9
                                             : std::chrono::duration<double>(run.untilFirstLine).count();
        state.SetIterationTime(seconds);
        peak = std::max(peak, said.value(1).toDouble());
    }
    state.counters["peak_MiB"] = peak;
}

void BM_ShowcaseColdLoad(benchmark::State &state)
{
    inFreshProcesses<true>(state, "cold-load");
}
void BM_ShowcaseColdLoadPlainFloor(benchmark::State &state)
{
    inFreshProcesses<true>(state, "plain-check");
}
void BM_WholeCheck(benchmark::State &state)
{
    inFreshProcesses<false>(state, "cold-load");
}
void BM_WholeCheckPlainFloor(benchmark::State &state)
{
    inFreshProcesses<false>(state, "plain-check");
}
void BM_StartUpToMainWindow(benchmark::State &state)
{
    inFreshProcesses<false>(state, "start-up");
}
void BM_StartUpPlainFloor(benchmark::State &state)
{
    inFreshProcesses<false>(state, "plain-start");
}
void BM_StartUpBareQt(benchmark::State &state)
{
    inFreshProcesses<false>(state, "bare-qt");
}

// Registered at run time: how many fresh processes each of those benchmarks starts can be lowered, for a
// short run that only shows the benchmark works.
void registerBenchmarks(benchmark::IterationCount freshRuns)
{
    const auto inProcess = [](const char *name, void (*run)(benchmark::State &)) {
        benchmark::RegisterBenchmark(name, run)->Unit(benchmark::kMillisecond);
    };
    const auto fresh = [&](const char *name, void (*run)(benchmark::State &)) {
        benchmark::RegisterBenchmark(name, run)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(freshRuns);
    };
    inProcess("BM_ShowcaseWarmLoad", BM_ShowcaseWarmLoad);
    inProcess("BM_ShowcaseDirectQt", BM_ShowcaseDirectQt);
    inProcess("BM_ShowcaseUiLoader", BM_ShowcaseUiLoader);
    fresh("BM_ShowcaseColdLoad", BM_ShowcaseColdLoad);
    fresh("BM_ShowcaseColdLoadPlainFloor", BM_ShowcaseColdLoadPlainFloor);
    fresh("BM_WholeCheck", BM_WholeCheck);
    fresh("BM_WholeCheckPlainFloor", BM_WholeCheckPlainFloor);
    inProcess("BM_RoundTrip", BM_RoundTrip);
    fresh("BM_StartUpToMainWindow", BM_StartUpToMainWindow);
    fresh("BM_StartUpPlainFloor", BM_StartUpPlainFloor);
    fresh("BM_StartUpBareQt", BM_StartUpBareQt);
    registerGrowthBenchmarks(freshRuns);
}

// Takes --fresh_process_runs=N out of the arguments, before Google Benchmark sees them.
benchmark::IterationCount takeFreshProcessRuns(int &argc, char **argv)
{
    constexpr std::string_view flag = "--fresh_process_runs=";
    benchmark::IterationCount runs = 20;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]).starts_with(flag))
            runs = std::max<benchmark::IterationCount>(1, std::atoll(argv[i] + flag.size()));
        else
            argv[kept++] = argv[i];
    }
    argv[kept] = nullptr;
    argc = kept;
    return runs;
}

// The child modes: each prints one line and ends at once, without tearing anything down.
[[noreturn]] void say(const QByteArray &measured)
{
    const QByteArray line = measured + ' ' + QByteArray::number(peakResidentMiB());
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    std::_Exit(0);
}

[[noreturn]] void sayShown(Clock::time_point clicked, Clock::time_point shown)
{
    say(QByteArray::number(std::chrono::nanoseconds(shown - clicked).count()));
}

// The whole check with plain widgets, "Test" and "Close Form" pressed as the driver presses the real ones: a
// zero timer started before the click fires inside the showcase's modal loop, once the window is up. In both,
// the showcase counts as shown once it has painted: the timer comes before the first paint.
int runPlainCheck()
{
    PlainProgram program;
    program.start();
    std::optional<Clock::time_point> shown;
    QTimer whileShown;
    whileShown.setSingleShot(true);
    QObject::connect(&whileShown, &QTimer::timeout, [&] {
        if (program.showcase() && program.showcase()->isVisible()) {
            letItAppear();
            shown = Clock::now();
            QTest::mouseClick(PlainProgram::button(*program.showcase(), "Command2"), Qt::LeftButton);
        }
    });
    whileShown.start(0);
    const Clock::time_point clicked = Clock::now();
    QTest::mouseClick(PlainProgram::button(program.mainWindow(), "Command1"), Qt::LeftButton);
    if (shown)
        sayShown(clicked, *shown);
    return 1;
}

int runRealCheck(std::string_view mode)
{
    test::ProgramDriver driver;
    driver.start();
    if (mode == "start-up")
        say("-");
    if (mode == "cold-load") {
        const Clock::time_point clicked = Clock::now();
        std::optional<Clock::time_point> shown;
        driver.clickTest([&] {
            letItAppear();
            shown = Clock::now();
            driver.clickCloseForm();
        });
        if (shown)
            sayShown(clicked, *shown);
    }
    return 1;
}

int runChildMode(std::string_view mode, int argc, char **argv)
{
    QApplication application(argc, argv);
    if (mode == "bare-qt") {
        QWidget window;
        window.show();
        say("-");
    }
    if (mode == "plain-start") {
        PlainProgram program;
        program.start();
        say("-");
    }
    if (mode == "plain-check")
        return runPlainCheck();
    if (mode == "plain-program") {
        // Told apart from the real program's windows by their titles.
        QApplication::setQuitOnLastWindowClosed(false);
        PlainProgram program(QStringLiteral("Plain Qt All Controls"), QStringLiteral("Plain Qt Showcase"));
        program.start();
        return QApplication::exec();
    }
    return runRealCheck(mode);
}

} // namespace
} // namespace qv::bench

int main(int argc, char **argv)
{
    qv::bench::selfPath = argv[0];
    if (argc == 2 && std::strncmp(argv[1], "--child=", 8) == 0) {
        const std::string_view mode = argv[1] + 8;
        qputenv("QT_QPA_PLATFORM", mode == "plain-program" ? "xcb" : "offscreen");
        return qv::bench::runChildMode(mode, argc, argv);
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    const benchmark::IterationCount freshRuns = qv::bench::takeFreshProcessRuns(argc, argv);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    qv::bench::registerBenchmarks(freshRuns);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
