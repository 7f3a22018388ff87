#include "runtime/modules/installed_modules.h"
#include "runtime/core/late_binding.h"
#include "runtime/modules/module_problems.h"
#include "runtime/modules/write_access.h"

#include <quorvane/control_library.h>

#include <QDir>
#include <QFileInfo>
#include <dlfcn.h>

#ifndef QUORVANE_CONTROLS_BESIDE_RUNTIME
#error "QUORVANE_CONTROLS_BESIDE_RUNTIME: the module folder relative to the runtime library's own folder"
#endif

namespace qv
{

namespace
{
const QString moduleSuffix = QStringLiteral(".so");

std::unique_ptr<QPluginLoader> newLoader(const QString &path)
{
    auto loader = std::make_unique<QPluginLoader>(path);
    // Bind every symbol at the load: a missing one is then a module that does not load, reported as such,
    // rather than a process the dynamic loader ends when the module's code first calls it.
    loader->setLoadHints(QLibrary::ResolveAllSymbolsHint);
    return loader;
}
} // namespace

InstalledModules::InstalledModules(QString directory)
    : directory_(std::move(directory))
{
}

QString InstalledModules::besideRuntime()
{
    // The runtime's own file, found from one of its functions: the program may live anywhere.
    Dl_info info {};
    if (dladdr(reinterpret_cast<const void *>(&InstalledModules::besideRuntime), &info) == 0
        || !info.dli_fname)
        return {};
    const QFileInfo runtime(QString::fromLocal8Bit(info.dli_fname));
    return QDir::cleanPath(runtime.canonicalPath() + QLatin1Char('/')
                           + QStringLiteral(QUORVANE_CONTROLS_BESIDE_RUNTIME));
}

QString InstalledModules::moduleFileName(QStringView libraryFile)
{
    const qsizetype dot = libraryFile.lastIndexOf(QLatin1Char('.'));
    return (dot < 0 ? libraryFile : libraryFile.left(dot)).toString().toLower() + moduleSuffix;
}

void InstalledModules::scan()
{
    if (scanned_)
        return;
    scanned_ = true;
    const QDir dir(directory_);
    const QStringList files = dir.entryList({ QLatin1Char('*') + moduleSuffix }, QDir::Files, QDir::Name);
    // A folder that others can write to is refused whole: each of its files is named with the reason.
    const Outcome<> safeFolder = checkOnlyOwnerWrites(directory_);
    for (const QString &file : files) {
        const QString path = dir.filePath(file);
        const Outcome<> safe = safeFolder ? checkOnlyOwnerWrites(path) : safeFolder;
        if (!safe) {
            unreadable_.push_back({ path, safe.failure().explanation() });
            continue;
        }
        // One loader from the metadata to the load: the file is found and read for its metadata once.
        std::unique_ptr<QPluginLoader> loader = newLoader(path);
        Outcome<ModuleInfo> read = readModuleMetadata(path, *loader);
        if (!read) {
            unreadable_.push_back({ path, read.failure().explanation() });
            continue;
        }
        loaded_[path] = std::move(loader);
        modules_.push_back(std::move(read).value());
    }
}

const std::vector<ModuleInfo> &InstalledModules::modules()
{
    scan();
    return modules_;
}

const std::vector<UnreadableModule> &InstalledModules::unreadable()
{
    scan();
    return unreadable_;
}

const ModuleInfo *InstalledModules::declaring(QStringView clsid)
{
    for (const ModuleInfo &m : modules()) {
        if (m.findClass(clsid))
            return &m;
    }
    return nullptr;
}

const ModuleInfo *InstalledModules::forLibrary(QStringView libraryFile)
{
    for (const ModuleInfo &m : modules()) {
        if (QStringView(m.libraryFile).compare(libraryFile, Qt::CaseInsensitive) == 0)
            return &m;
    }
    return nullptr;
}

const UnreadableModule *InstalledModules::unreadableFile(QStringView fileName)
{
    for (const UnreadableModule &u : unreadable()) {
        if (QFileInfo(u.path).fileName() == fileName)
            return &u;
    }
    return nullptr;
}

namespace
{
// Why a program could not drive a class the module describes, said of the first such class; none when it
// can drive every one.
std::optional<QString> undrivableClass(const ControlLibrary &library, const ModuleInfo &module)
{
    for (const ModuleClass &cls : module.classes) {
        const QMetaObject *description = library.description(cls.clsid);
        if (!description)
            continue;
        if (std::optional<QString> why = undrivableMember(*description))
            return problems::undrivableClass(module.path, cls.progId, *why);
    }
    return std::nullopt;
}
} // namespace

Outcome<ControlLibrary *> InstalledModules::load(const ModuleInfo &module)
{
    auto &loader = loaded_[module.path];
    if (!loader)
        loader = newLoader(module.path);
    QObject *instance = loader->instance();
    if (!instance)
        return failure(status::cannotCreateObject, problems::loadFailed(module.path, loader->errorString()));
    auto *library = qobject_cast<ControlLibrary *>(instance);
    if (!library)
        return failure(status::cannotCreateObject,
                       problems::notAControlLibrary(module.path, QLatin1String(QuorvaneControlLibrary_iid)));
    // Checked once, when the module is first loaded; a module refused stays refused for the run.
    auto [checked, first] = undrivable_.try_emplace(module.path);
    if (first)
        checked->second = undrivableClass(*library, module);
    if (checked->second)
        return failure(status::cannotCreateObject, *checked->second);
    return library;
}

} // namespace qv
