// How a window's first load grows with the number of control library modules it uses: N of the benchmark's
// modules (bench/growth_module), a control of each of their classes, loaded in a fresh process each time so
// that finding, checking and loading the modules is paid in full. Besides the time and the child's peak
// resident memory, what one module costs: the time and the memory the load added, over N.

#include "growth.h"

#include "child_process.h"

#include "runtime/modules/installed_modules.h"
#include <quorvane/form_description.h>

#include <growth_catalog.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#ifndef QUORVANE_GROWTH_CHILD
#error "QUORVANE_GROWTH_CHILD: the module-count benchmark's child program"
#endif

namespace qv::bench
{
namespace
{

// A module folder holding the first N modules and nothing else: what the runtime finds and checks grows
// with N too.
bool linkFirstModules(const QTemporaryDir &folder, std::size_t count)
{
    const QString built = storedText(growthModuleDir);
    for (std::size_t m = 0; m < count; ++m) {
        const QString file = InstalledModules::moduleFileName(storedText(growthLibraries[m].file));
        if (!QFile::link(built + u'/' + file, folder.filePath(file)))
            return false;
    }
    return true;
}

void BM_GrowthModules(benchmark::State &state)
{
    const auto count = static_cast<std::size_t>(state.range(0));
    const QTemporaryDir folder;
    if (!folder.isValid() || !linkFirstModules(folder, count)) {
        state.SkipWithError("the module folder could not be made");
        return;
    }
    const QByteArray mode = QByteArray::number(qulonglong(count)) + ':' + QFile::encodeName(folder.path());
    double seconds = 0;
    double peak = 0;
    double added = 0;
    for (auto _ : state) {
        const ChildRun run = runChild(QUORVANE_GROWTH_CHILD, mode.constData());
        if (!run.ok) {
            state.SkipWithError("the child process failed");
            break;
        }
        const QList<QByteArray> said = run.firstLine.split(' ');
        const double took = said.value(0).toDouble() / 1e9;
        state.SetIterationTime(took);
        seconds += took;
        peak = std::max(peak, said.value(1).toDouble());
        added = std::max(added, said.value(2).toDouble());
    }
    if (state.error_occurred())
        return;
    const auto n = static_cast<double>(count);
    state.counters["peak_MiB"] = peak;
    state.counters["added_MiB"] = added;
    state.counters["ms_per_module"] = seconds * 1e3 / static_cast<double>(state.iterations()) / n;
    state.counters["KiB_per_module"] = added * 1024 / n;
}

} // namespace

void registerGrowthModules(benchmark::IterationCount freshRuns)
{
    if (!QFile::exists(QStringLiteral(QUORVANE_GROWTH_CHILD))) {
        std::fputs(
            "BM_GrowthModules left out: its modules and child are built with the target growth_child\n",
            stderr);
        return;
    }
    benchmark::RegisterBenchmark("BM_GrowthModules", BM_GrowthModules)
        ->Arg(20)
        ->Arg(50)
        ->Arg(100)
        ->Arg(200)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(freshRuns);
}

} // namespace qv::bench
