#pragma once
// The installed control library modules: the files of one folder, known first by their metadata alone, and
// loaded only when a class of theirs is created. A module loads once and stays loaded for the run.

#include "runtime/modules/module_metadata.h"
#include <quorvane/outcome.h>

#include <QPluginLoader>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace qv
{

class ControlLibrary;

// A file in the folder whose metadata could not be read, with the reason.
struct UnreadableModule {
    QString path;
    QString reason;
};

class InstalledModules
{
public:
    explicit InstalledModules(QString directory);
    // The installed module folder, at a fixed place beside the runtime library's own file (wherever the
    // program lives); never the current directory, never the environment.
    static QString besideRuntime();
    // The file name a library's module has: "MSCOMCTL.OCX" is mscomctl.so.
    static QString moduleFileName(QStringView libraryFile);

    const QString &directory() const { return directory_; }
    // Whether the folder has been read yet: it is read once, when first needed.
    bool scanned() const { return scanned_; }
    // Every module whose metadata could be read, and every file whose metadata could not, by file name.
    const std::vector<ModuleInfo> &modules();
    const std::vector<UnreadableModule> &unreadable();
    // The first module (by file name) that declares the class, or that names the library file; null if none.
    const ModuleInfo *declaring(QStringView clsid);
    const ModuleInfo *forLibrary(QStringView libraryFile);
    const UnreadableModule *unreadableFile(QStringView fileName);

    // Loads the module (once) and returns its interface, or the reason it cannot.
    Outcome<ControlLibrary *> load(const ModuleInfo &module);

private:
    void scan();

    QString directory_;
    bool scanned_ = false;
    std::vector<ModuleInfo> modules_;
    std::vector<UnreadableModule> unreadable_;
    std::map<QString, std::unique_ptr<QPluginLoader>> loaded_;
    // By module path, once loaded: why a program could not drive one of its classes, or nothing.
    std::map<QString, std::optional<QString>> undrivable_;
};

} // namespace qv
