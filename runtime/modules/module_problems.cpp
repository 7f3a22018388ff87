#include "runtime/modules/module_problems.h"
#include "runtime/modules/installed_modules.h"
#include <quorvane/form_description.h>

#include <QFileInfo>
#include <QRegularExpression>

namespace qv
{

namespace
{
ModuleProblem ofLibrary(QLatin1StringView kind, const manifest::LibraryRecord &library, QString path,
                        QString reason)
{
    return { kind, storedText(library.file), std::move(path), std::move(reason) };
}

QString visibility(bool visible)
{
    return visible ? QStringLiteral("visible") : QStringLiteral("invisible");
}

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}
} // namespace

namespace problems
{

ModuleProblem missing(const manifest::LibraryRecord &library, const QString &directory)
{
    const QString expected = InstalledModules::moduleFileName(storedText(library.file));
    return ofLibrary(
        problemKind::missing, library, directory + QLatin1Char('/') + expected,
        QStringLiteral("no installed module provides the library (not installed or not registered): "
                       "%1 is missing from %2")
            .arg(expected, directory));
}

ModuleProblem unreadable(const manifest::LibraryRecord &library, const UnreadableModule &file)
{
    return ofLibrary(
        problemKind::unreadable, library, file.path,
        QStringLiteral("the module %1 is not a loadable control library: %2").arg(file.path, file.reason));
}

ModuleProblem classLeftOut(const manifest::LibraryRecord &library, const ModuleInfo &module,
                           const manifest::ClassRecord &cls, bool asked)
{
    return ofLibrary(
        problemKind::wrongClasses, library, module.path,
        asked ? QStringLiteral("the installed module %1 does not provide the class").arg(module.path)
              : QStringLiteral("the installed module %1 leaves out %2 %3, a class of its library")
                    .arg(module.path, storedText(cls.progId), storedText(cls.clsid)));
}

ModuleProblem wrongVisibility(const manifest::LibraryRecord &library, const ModuleInfo &module,
                              const manifest::ClassRecord &cls)
{
    return ofLibrary(
        problemKind::wrongClasses, library, module.path,
        QStringLiteral("the module %1 declares the class %2 %3, the program needs it %4")
            .arg(module.path, storedText(cls.progId), visibility(!cls.visible), visibility(cls.visible)));
}

ModuleProblem wrongVersion(const manifest::LibraryRecord &library, const ModuleInfo &module)
{
    return ofLibrary(problemKind::wrongVersion, library, module.path,
                     QStringLiteral("the module %1 has type library version %2, the program needs %3")
                         .arg(module.path,
                              module.version.isEmpty() ? QStringLiteral("(none)") : module.version,
                              versionText(*library.version)));
}

ModuleProblem declaredElsewhere(const manifest::LibraryRecord &library, const ModuleInfo &declaring)
{
    return ofLibrary(problemKind::wrongClasses, library, declaring.path,
                     QStringLiteral("the class is declared by %1 for library file %2, not %3")
                         .arg(declaring.path, declaring.libraryFile, storedText(library.file)));
}

ModuleProblem secondModule(const ModuleInfo &module)
{
    return { problemKind::extra, module.libraryFile, module.path,
             QStringLiteral("the module %1 is a second module for %2; the program uses the first")
                 .arg(module.path, module.libraryFile) };
}

ModuleProblem unknownLibrary(const ModuleInfo &module)
{
    return { problemKind::extra, module.libraryFile, module.path,
             QStringLiteral("the module %1 declares %2, a library the program does not use")
                 .arg(module.path, module.libraryFile) };
}

ModuleProblem strayFile(const UnreadableModule &file)
{
    return { problemKind::extra,
             {},
             file.path,
             QStringLiteral("%1 is not a loadable control library, and not one the program uses: %2")
                 .arg(file.path, file.reason) };
}

QString classNotInManifest()
{
    return QStringLiteral("the class is not in the control manifest");
}

QString libraryNotInManifest(std::string_view libraryFile)
{
    return QStringLiteral("its library file %1 is not in the control manifest").arg(storedText(libraryFile));
}

QString pluginOfAnotherKind(const QString &iid, const QString &expected)
{
    return QStringLiteral("it is a plugin for %1, not a control library (%2)").arg(iid, expected);
}

QString interfaceOfAnotherVersion(const QString &found, const QString &needed)
{
    return QStringLiteral("it implements version %1 of the control library interface, and this runtime needs "
                          "version %2: the module must be built for this runtime")
        .arg(found, needed);
}

QString metadataIncomplete()
{
    return QStringLiteral("its metadata names no library file or type library");
}

QString writableByOthers(const QString &path, unsigned mode, bool isFolder)
{
    return QStringLiteral(
               "the module %1 %2 can be written by others than its owner (mode %3): every program on "
               "the machine loads code from there")
        .arg(isFolder ? QStringLiteral("folder") : QStringLiteral("file"), path)
        .arg(mode, 4, 8, QLatin1Char('0'));
}

QString loadFailed(const QString &path, const QString &loaderError)
{
    // Every symbol is resolved when the module loads, so a module built against a newer runtime or Qt fails
    // here, and the loader's message names what it lacks.
    static const QRegularExpression undefined(QStringLiteral("undefined symbol: ([^\\s)]+)"));
    if (const QRegularExpressionMatch m = undefined.match(loaderError); m.hasMatch()) {
        return QStringLiteral("%1 could not be loaded: it needs the symbol %2, which no library on this "
                              "machine provides (was it built for another version of the runtime or of "
                              "Qt?)")
            .arg(path, m.captured(1));
    }
    return QStringLiteral("%1 could not be loaded: %2").arg(path, loaderError);
}

QString notAControlLibrary(const QString &path, const QString &iid)
{
    return QStringLiteral("%1 does not implement the control library interface %2").arg(path, iid);
}

QString noInstance(const QString &path, const QString &moduleError)
{
    return QStringLiteral("the module %1 could not make an instance: %2").arg(fileName(path), moduleError);
}

QString wrongWindowKind(const QString &path, bool madeWindow, bool classVisible)
{
    return QStringLiteral("the module %1 made %2 instance, the class is %3")
        .arg(fileName(path), madeWindow ? QStringLiteral("a windowed") : QStringLiteral("a windowless"),
             visibility(classVisible));
}

QString undrivableClass(const QString &path, const QString &progId, const QString &reason)
{
    return QStringLiteral(
               "the module %1 describes %2 with a member no program can use: %3 (the module must be "
               "mended)")
        .arg(fileName(path), progId, reason);
}

} // namespace problems

} // namespace qv
