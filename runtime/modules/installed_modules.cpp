#include "runtime/modules/installed_modules.h"
#include "runtime/modules/elf_file_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#ifndef QUORVANE_CONTROLS_RELATIVE_DIR
#error "QUORVANE_CONTROLS_RELATIVE_DIR: the module directory relative to the program's own"
#endif

namespace qv
{

namespace
{
const QString moduleSuffix = QStringLiteral(".so");

// The module's own description, or a reason why it has none.
bool readMetadata(const QString &path, ModuleInfo &out, QString &reason)
{
    if (std::optional<QString> damage = moduleFileDamage(path)) {
        reason = *damage;
        return false;
    }
    QPluginLoader loader(path);
    const QJsonObject meta = loader.metaData();
    if (meta.isEmpty()) {
        reason = loader.errorString();
        return false;
    }
    if (meta.value(QStringLiteral("IID")).toString() != QLatin1String(QuorvaneControlLibrary_iid)) {
        reason = QStringLiteral("it is a plugin for %1, not a control library (%2)")
                     .arg(meta.value(QStringLiteral("IID")).toString(),
                          QLatin1String(QuorvaneControlLibrary_iid));
        return false;
    }
    const QJsonObject data = meta.value(QStringLiteral("MetaData")).toObject();
    out.path = path;
    out.libraryFile = data.value(QStringLiteral("libraryFile")).toString();
    out.typeLibrary = data.value(QStringLiteral("typeLibrary")).toString();
    out.version = data.value(QStringLiteral("version")).toString();
    if (out.libraryFile.isEmpty() || out.typeLibrary.isEmpty()) {
        reason = QStringLiteral("its metadata names no library file or type library");
        return false;
    }
    for (const QJsonValue &entry : data.value(QStringLiteral("classes")).toArray()) {
        const QJsonObject c = entry.toObject();
        out.classes.push_back({ c.value(QStringLiteral("progId")).toString(),
                                c.value(QStringLiteral("clsid")).toString().toUpper(),
                                c.value(QStringLiteral("visible")).toBool(true) });
    }
    return true;
}
} // namespace

const ModuleClass *ModuleInfo::findClass(QStringView clsid) const
{
    for (const ModuleClass &c : classes) {
        if (QStringView(c.clsid).compare(clsid, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

InstalledModules::InstalledModules(QString directory)
    : directory_(std::move(directory))
{
}

QString InstalledModules::besideProgram()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/')
                           + QStringLiteral(QUORVANE_CONTROLS_RELATIVE_DIR));
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
    for (const QString &file : files) {
        ModuleInfo info;
        QString reason;
        if (readMetadata(dir.filePath(file), info, reason))
            modules_.push_back(std::move(info));
        else
            unreadable_.push_back({ dir.filePath(file), reason });
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

ControlLibrary *InstalledModules::load(const ModuleInfo &module, QString &reason)
{
    auto &loader = loaded_[module.path];
    if (!loader)
        loader = std::make_unique<QPluginLoader>(module.path);
    QObject *instance = loader->instance();
    if (!instance) {
        reason = QStringLiteral("%1 could not be loaded: %2").arg(module.path, loader->errorString());
        return nullptr;
    }
    auto *library = qobject_cast<ControlLibrary *>(instance);
    if (!library)
        reason = QStringLiteral("%1 does not implement the control library interface %2")
                     .arg(module.path, QLatin1String(QuorvaneControlLibrary_iid));
    return library;
}

} // namespace qv
