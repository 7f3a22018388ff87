#include "runtime/modules/module_metadata.h"
#include "runtime/modules/elf_file_check.h"
#include "runtime/modules/module_problems.h"

#include <quorvane/control_library.h>

#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>

namespace qv
{

const ModuleClass *ModuleInfo::findClass(QStringView clsid) const
{
    for (const ModuleClass &c : classes) {
        if (QStringView(c.clsid).compare(clsid, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

Outcome<ModuleInfo> readModuleMetadata(const QString &path, QPluginLoader &loader)
{
    if (Outcome<> whole = checkModuleFile(path); !whole)
        return std::move(whole).failure();
    const QJsonObject meta = loader.metaData();
    if (meta.isEmpty())
        return failure(status::badFileFormat, loader.errorString());
    const QString iid = meta.value(QStringLiteral("IID")).toString();
    const QString needed = QStringLiteral(QuorvaneControlLibrary_iid);
    if (iid != needed) {
        // "<interface>/<version>": a control library of another version is told apart from another plugin.
        const qsizetype versionAt = needed.indexOf(u'/') + 1;
        if (iid.startsWith(QStringView(needed).left(versionAt)))
            return failure(status::badFileFormat,
                           problems::interfaceOfAnotherVersion(iid.mid(versionAt), needed.mid(versionAt)));
        return failure(status::badFileFormat, problems::pluginOfAnotherKind(iid, needed));
    }
    const QJsonObject data = meta.value(QStringLiteral("MetaData")).toObject();
    ModuleInfo info;
    info.path = path;
    info.libraryFile = data.value(QStringLiteral("libraryFile")).toString();
    info.typeLibrary = data.value(QStringLiteral("typeLibrary")).toString();
    info.version = data.value(QStringLiteral("version")).toString();
    if (info.libraryFile.isEmpty() || info.typeLibrary.isEmpty())
        return failure(status::badFileFormat, problems::metadataIncomplete());
    for (const QJsonValue &entry : data.value(QStringLiteral("classes")).toArray()) {
        const QJsonObject c = entry.toObject();
        info.classes.push_back({ c.value(QStringLiteral("progId")).toString(),
                                 c.value(QStringLiteral("clsid")).toString().toUpper(),
                                 c.value(QStringLiteral("visible")).toBool(true) });
    }
    return info;
}

QString versionText(const manifest::Version &v)
{
    return QStringLiteral("%1.%2").arg(v.major).arg(v.minor);
}

} // namespace qv
