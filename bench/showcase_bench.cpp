// What a user of Quorvane waits for, each beside the anchor a Qt developer would compare it with: the
// showcase window's load and show (warm, against the same widgets made directly and by QUiLoader), its first
// load in a fresh process (cold, modules found and loaded), a whole round trip, and start-up to the main
// window (against a bare QApplication showing one empty window). Every figure comes with the peak resident
// memory while it was measured.
//
//   showcase_bench [Google Benchmark options]
//   showcase_bench --child=<mode>    (used by the benchmark itself, one measurement in a fresh process)

#include "child_process.h"
#include "direct_qt_showcase.h"
#include "peak_memory.h"

#include "support/program_driver.h"
#include "windows/showcase/form2_layout.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>

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
void BM_StartUpToMainWindow(benchmark::State &state)
{
    inFreshProcesses<false>(state, "start-up");
}
void BM_StartUpBareQt(benchmark::State &state)
{
    inFreshProcesses<false>(state, "bare-qt");
}

BENCHMARK(BM_ShowcaseWarmLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowcaseDirectQt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowcaseUiLoader)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowcaseColdLoad)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_RoundTrip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpToMainWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);
BENCHMARK(BM_StartUpBareQt)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(20);

// The child modes: each prints one line and ends at once, without tearing anything down.
[[noreturn]] void say(const QByteArray &measured)
{
    const QByteArray line = measured + ' ' + QByteArray::number(peakResidentMiB());
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    std::_Exit(0);
}

int runChildMode(const char *mode, int argc, char **argv)
{
    QApplication application(argc, argv);
    if (std::strcmp(mode, "bare-qt") == 0) {
        QWidget window;
        window.show();
        say("-");
    }
    test::ProgramDriver driver;
    driver.start();
    if (std::strcmp(mode, "start-up") == 0)
        say("-");
    if (std::strcmp(mode, "cold-load") == 0) {
        const Clock::time_point clicked = Clock::now();
        std::optional<Clock::time_point> shown;
        driver.clickTest([&] {
            shown = Clock::now();
            driver.clickCloseForm();
        });
        if (shown)
            say(QByteArray::number(std::chrono::nanoseconds(*shown - clicked).count()));
    }
    return 1;
}

} // namespace
} // namespace qv::bench

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qv::bench::selfPath = argv[0];
    if (argc == 2 && std::strncmp(argv[1], "--child=", 8) == 0)
        return qv::bench::runChildMode(argv[1] + 8, argc, argv);

    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
