// How a warm load grows with the number of controls: the showcase window's 55 records repeated to 550 and
// 5,500 controls, each copy after the last in stored order, with names, positions and tab indexes of its
// own. Loaded in this process with the modules already loaded; besides the time and the process's peak
// resident memory, the heap the loaded window holds, and what one control costs: the time and that heap over
// the number of controls.

#include "growth.h"
#include "peak_memory.h"

#include "runtime/core/form_private.h"
#include "runtime/start/standard_runtime.h"
#include "support/program_driver.h"
#include "windows/showcase/form2_layout.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <deque>
#include <malloc.h>
#include <string>
#include <vector>

namespace qv::bench
{
namespace
{

class RepeatedShowcase
{
public:
    // The first copy is the showcase's records as stored; each later one is moved a pixel (15 twips) further
    // right and down, and its names and tab indexes take a suffix and an offset of their own.
    explicit RepeatedShowcase(int copies)
    {
        const FormDescription &showcase = form2Layout();
        const std::span<const ControlRecord> original = showcase.controls;
        int tabIndexes = 0;
        for (const ControlRecord &record : original)
            tabIndexes = std::max(tabIndexes, record.tabIndex + 1);
        records_.reserve(original.size() * static_cast<std::size_t>(copies));
        for (int copy = 0; copy < copies; ++copy) {
            const auto shift = static_cast<Twips>(copy * 15);
            for (ControlRecord record : original) {
                if (copy > 0) {
                    record.name = renamed(record.name, copy);
                    if (!record.container.empty())
                        record.container = renamed(record.container, copy);
                    if (record.tabIndex != noTabIndex)
                        record.tabIndex += copy * tabIndexes;
                    record.left = static_cast<Twips>(record.left + shift);
                    record.top = static_cast<Twips>(record.top + shift);
                    // A copied line keeps its stored far end: what the load costs is the same.
                }
                records_.push_back(record);
            }
        }
        description_ = showcase;
        const auto spread = static_cast<Twips>((copies - 1) * 15);
        description_.clientWidth = static_cast<Twips>(description_.clientWidth + spread);
        description_.clientHeight = static_cast<Twips>(description_.clientHeight + spread);
        description_.controls = records_;
    }

    const FormDescription &description() const { return description_; }

private:
    std::string_view renamed(std::string_view name, int copy)
    {
        return names_.emplace_back(std::string(name) + '_' + std::to_string(copy));
    }

    std::deque<std::string> names_;
    std::vector<ControlRecord> records_;
    FormDescription description_;
};

// What an unloaded window leaves: its deferred deletions and posted events, which would pile up between
// iterations.
void clearAway()
{
    test::ProgramDriver::settle();
    QCoreApplication::processEvents();
}

// The heap this process's allocations take up now, in MiB. What a loaded window holds shows here as a
// difference; not in the resident size, which keeps what an unloaded window freed for the next one.
double heapInUseMiB()
{
    const struct mallinfo2 heap = mallinfo2();
    return static_cast<double>(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
}

void measureWarmLoads(benchmark::State &state, const FormDescription &description)
{
    test::RecordingHost host;
    StandardRuntime runtime(host, test::builtModuleDir());
    ObjRef<Form> form = runtime.adoptForm(new Form(runtime, description));
    // Warm: the modules are loaded by one load before the measured ones.
    if (failed(form->Show())) {
        state.SkipWithError(qPrintable(runtime.takeErrorObject().description));
        return;
    }
    unloadForm(*form);
    clearAway();

    resetPeakResident();
    std::chrono::steady_clock::duration loading {};
    double unloaded = heapInUseMiB();
    double held = 0;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        if (failed(form->Show())) {
            state.SkipWithError("the window did not load");
            break;
        }
        QCoreApplication::processEvents(); // it paints, as a user sees it
        loading += std::chrono::steady_clock::now() - started;
        state.PauseTiming();
        held = std::max(held, heapInUseMiB() - unloaded);
        unloadForm(*form);
        clearAway();
        unloaded = heapInUseMiB();
        state.ResumeTiming();
    }
    if (state.error_occurred())
        return;
    const auto n = static_cast<double>(description.controls.size());
    state.counters["peak_MiB"] = peakResidentMiB();
    state.counters["held_MiB"] = held;
    state.counters["us_per_control"] = std::chrono::duration<double, std::micro>(loading).count()
        / static_cast<double>(state.iterations()) / n;
    state.counters["KiB_per_control"] = held * 1024 / n;
}

void BM_GrowthControls(benchmark::State &state)
{
    const auto count = static_cast<std::size_t>(state.range(0));
    const RepeatedShowcase layout(static_cast<int>(count / form2Layout().controls.size()));
    measureWarmLoads(state, layout.description());
    clearAway(); // what the runtime's end left
    // The freed heap goes back to the system: the benchmarks after this one measure their own peak from
    // this process's resident size.
    malloc_trim(0);
}

} // namespace

void registerGrowthControls()
{
    benchmark::RegisterBenchmark("BM_GrowthControls", BM_GrowthControls)
        ->Arg(55)
        ->Arg(550)
        ->Arg(5500)
        ->Unit(benchmark::kMillisecond);
}

} // namespace qv::bench
