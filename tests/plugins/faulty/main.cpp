#include "../fake_module.h"

#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

// A module with the real metadata of its library whose code misbehaves in one way, chosen when it is built:
// what a partial upgrade or a faulty third-party build looks like once it has loaded.

#if defined(QUORVANE_FAULT_UNRESOLVED_SYMBOL)
// Provided by no library: as if the module had been built against a newer runtime.
extern "C" void qv_function_of_a_newer_runtime();
#elif defined(QUORVANE_FAULT_CRASH_WHEN_SHOWN)
namespace
{
// Made without a fault; shown, it writes through a null pointer.
class CrashesWhenShown : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void showEvent(QShowEvent *) override
    {
        int *nowhere = nullptr;
        asm volatile("" : "+r"(nowhere));
        *nowhere = 1;
    }
};
} // namespace
#elif defined(QUORVANE_FAULT_ABORT_AT_LOAD)
namespace
{
struct AbortsWhenLoaded {
    AbortsWhenLoaded() { std::abort(); }
} abortsWhenLoaded;
} // namespace
#endif

namespace qv::test
{

class Fake_faulty final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "module.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte>, QWidget &container) override
    {
#if defined(QUORVANE_FAULT_UNRESOLVED_SYMBOL)
        qv_function_of_a_newer_runtime();
#elif defined(QUORVANE_FAULT_NULL_WRITE)
        int *nowhere = nullptr;
        asm volatile("" : "+r"(nowhere)); // the compiler may not know it is null
        *nowhere = 1;
#elif defined(QUORVANE_FAULT_ENDLESS_LOOP)
        for (;;)
            std::this_thread::sleep_for(std::chrono::seconds(1));
#elif defined(QUORVANE_FAULT_EXIT_IN_CREATE)
        std::exit(0);
#elif defined(QUORVANE_FAULT_CRASH_WHEN_SHOWN)
        return { new CrashesWhenShown(&container), {} };
#elif defined(QUORVANE_FAULT_PRINTS_TO_STDOUT)
        std::puts("a module's own progress line");
        std::fflush(stdout);
        return { new QWidget(&container), {} };
#endif
        // makes_nothing: the module answers, with no instance and its reason, as a module does that cannot
        // make one on this machine.
        return { nullptr, QStringLiteral("this test module makes no %1").arg(clsid) };
    }
};

} // namespace qv::test

#include "main.moc"
