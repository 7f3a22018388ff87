#pragma once
// The program as installed with one control library missing: the built modules copied, less one.

#include "support/program_driver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace qv::test
{

// Copies the built modules into `dir`, all but `module` (a file name such as "mscomctl.so"); returns the
// folder.
inline QString modulesWithout(QTemporaryDir &dir, const char *module)
{
    const QDir built(builtModuleDir());
    for (const QString &file : built.entryList({ QStringLiteral("*.so") }, QDir::Files)) {
        if (file != QLatin1String(module))
            QFile::copy(built.filePath(file), QDir(dir.path()).filePath(file));
    }
    return dir.path();
}

} // namespace qv::test
