// The module-count benchmark's child: a fresh process that loads and shows one window with a control of every
// class of the first N of the benchmark's modules, found by the runtime in a folder that holds just those.
//
//   growth_child --child=<N>:<module folder>
//
// Prints one line, the load's nanoseconds, this process's peak resident MiB and the MiB the load added to it,
// and ends at once, without tearing anything down.

#include "peak_memory.h"

#include "runtime/start/standard_runtime.h"

#include "controls/interface/settings_block.h"
#include "support/recording_host.h"

#include <growth_catalog.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace qv::bench
{
namespace
{

// One control per class, module by module, in a grid.
class ModulesWindow
{
public:
    explicit ModulesWindow(std::size_t moduleCount)
    {
        for (std::size_t m = 0; m < moduleCount; ++m) {
            for (const manifest::ClassRecord *cls : growthCatalog.classesOf(growthLibraries[m].file)) {
                const auto i = static_cast<int>(records_.size());
                records_.push_back(ControlRecord { .name = cls->instance,
                                                   .cls = ProgId { cls->progId },
                                                   .left = static_cast<Twips>(i % columns * cellWidth),
                                                   .top = static_cast<Twips>(i / columns * cellHeight),
                                                   .width = width,
                                                   .height = height,
                                                   .settings = block_ });
            }
        }
        const auto rows = (static_cast<int>(records_.size()) + columns - 1) / columns;
        description_ = FormDescription { .name = "Modules",
                                         .caption = "Modules",
                                         .clientWidth = static_cast<Twips>(columns * cellWidth),
                                         .clientHeight = static_cast<Twips>(rows * cellHeight),
                                         .controls = records_ };
    }

    const FormDescription &description() const { return description_; }

private:
    static constexpr int columns = 12;
    static constexpr Twips cellWidth = 1080, cellHeight = 480, width = 960, height = 360;
    static constexpr auto block_
        = settings::makeBlock<32>(settings::twipsToHimetric(width), settings::twipsToHimetric(height),
                                  std::array<settings::Property, 0> {});
    std::vector<ControlRecord> records_;
    FormDescription description_;
};

int run(const char *argument, int argc, char **argv)
{
    const char *colon = std::strchr(argument, ':');
    const std::size_t count = std::strtoul(argument, nullptr, 10);
    if (!colon || count == 0 || count > growthLibraries.size())
        return 2;
    QApplication application(argc, argv);
    test::RecordingHost host;
    StandardRuntime runtime(host, QString::fromLocal8Bit(colon + 1), growthCatalog);
    const ModulesWindow window(count);
    ObjRef<Form> form = runtime.adoptForm(new Form(runtime, window.description()));

    resetPeakResident();
    const double before = peakResidentMiB();
    const auto started = std::chrono::steady_clock::now();
    if (failed(form->Show())) {
        std::fprintf(stderr, "%s\n", qPrintable(runtime.takeErrorObject().description));
        return 1;
    }
    QCoreApplication::processEvents(); // it paints, as a user sees it
    const auto took = std::chrono::nanoseconds(std::chrono::steady_clock::now() - started).count();
    const double peak = peakResidentMiB();
    std::printf("%lld %.2f %.2f\n", static_cast<long long>(took), peak, peak - before);
    std::fflush(stdout);
    std::_Exit(0);
}

} // namespace
} // namespace qv::bench

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc != 2 || std::strncmp(argv[1], "--child=", 8) != 0) {
        std::fputs("usage: growth_child --child=<N>:<module folder>\n", stderr);
        return 2;
    }
    return qv::bench::run(argv[1] + 8, argc, argv);
}
