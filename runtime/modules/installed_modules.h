#pragma once
// The installed control library modules: found in one directory, known first by their metadata alone, and
// loaded only when a class of theirs is created. A module loads once and stays loaded for the run.

#include "controls/interface/control_library.h"

#include <QPluginLoader>
#include <QString>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

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

// A file in the directory whose metadata could not be read, with the loader's reason.
struct UnreadableModule {
    QString path;
    QString reason;
};

class InstalledModules
{
public:
    explicit InstalledModules(QString directory);
    // The program's own module directory, relative to the executable; never the current directory.
    static QString besideProgram();

    const QString &directory() const { return directory_; }
    const std::vector<ModuleInfo> &modules();
    const std::vector<UnreadableModule> &unreadable();
    const ModuleInfo *declaring(QStringView clsid);
    const ModuleInfo *forLibrary(QStringView libraryFile);
    const UnreadableModule *unreadableFile(QStringView fileName);
    // The file name a library's module has: "MSCOMCTL.OCX" is mscomctl.so.
    static QString moduleFileName(QStringView libraryFile);

    // Loads the module (once) and returns its interface; null with the reason when it cannot.
    ControlLibrary *load(const ModuleInfo &module, QString &reason);

private:
    void scan();

    QString directory_;
    bool scanned_ = false;
    std::vector<ModuleInfo> modules_;
    std::vector<UnreadableModule> unreadable_;
    std::map<QString, std::unique_ptr<QPluginLoader>> loaded_;
};

} // namespace qv
