#pragma once
// What a control library module says of itself in its plugin metadata, read without loading it.

#include "manifest/manifest.h"
#include <quorvane/outcome.h>

#include <QString>
#include <QStringView>
#include <vector>

class QPluginLoader;

namespace qv
{

struct ModuleClass {
    QString progId;
    QString clsid;
    bool visible = true;
};

struct ModuleInfo {
    QString path;
    QString libraryFile;
    QString typeLibrary;
    QString version;
    std::vector<ModuleClass> classes;

    const ModuleClass *findClass(QStringView clsid) const;
};

// The module file's description, or why it has none: the file is damaged, not a plugin, a plugin of another
// kind, or its metadata is incomplete. Read through the loader made for the file, which keeps what it read
// for the module's load.
Outcome<ModuleInfo> readModuleMetadata(const QString &path, QPluginLoader &loader);

// A type library version as module metadata writes it: "2.1".
QString versionText(const manifest::Version &v);

} // namespace qv
