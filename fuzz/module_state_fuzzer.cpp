// Every control library module's reader of its saved state, through the module's own create(): the first byte
// picks one of the manifest's classes, the rest is that class's stored-settings block. A module must refuse
// what it cannot read (nothing made, a message) or make one instance of the right kind.

#include "manifest/manifest.h"
#include "runtime/modules/installed_modules.h"
#include <quorvane/control_library.h>
#include <quorvane/form_description.h>

#include <QApplication>
#include <QPluginLoader>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#ifndef QUORVANE_FUZZ_MODULE_DIR
#error "QUORVANE_FUZZ_MODULE_DIR: the build tree's control module folder"
#endif

namespace
{

struct Target {
    const qv::manifest::ClassRecord *cls;
    qv::ControlLibrary *library;
};

std::vector<Target> &targets()
{
    static std::vector<Target> all;
    return all;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    for (const qv::manifest::ClassRecord &cls : qv::manifest::classes()) {
        const QString path = QStringLiteral(QUORVANE_FUZZ_MODULE_DIR "/")
            + qv::InstalledModules::moduleFileName(qv::storedText(cls.libraryFile));
        auto *loader = new QPluginLoader(path, &application); // kept loaded for the run
        auto *library = qobject_cast<qv::ControlLibrary *>(loader->instance());
        if (!library) {
            std::fprintf(stderr, "module_state_fuzzer: %s: %s\n", qPrintable(path),
                         qPrintable(loader->errorString()));
            std::exit(1);
        }
        targets().push_back({ &cls, library });
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return -1;
    const Target &target = targets()[data[0] % targets().size()];
    QWidget container;
    const qv::ControlLibrary::Creation made
        = target.library->create(qv::storedText(target.cls->clsid),
                                 { reinterpret_cast<const std::byte *>(data + 1), size - 1 }, container);
    if (!made.object && made.error.isEmpty())
        __builtin_trap(); // a refusal always says why
    if (made.object && (qobject_cast<QWidget *>(made.object) != nullptr) != target.cls->visible)
        __builtin_trap(); // a visible class gets a widget, an invisible one a plain object
    delete made.object;
    return 0;
}
