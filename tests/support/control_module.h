#pragma once
// Loads a control library module from the build tree through the real plugin loader, for tests of a module.

#include "controls/interface/control_library.h"
#include "program_driver.h"

#include <QPluginLoader>
#include <QString>
#include <gtest/gtest.h>

namespace qv::test
{

// The module "<stem>.so" (e.g. "tabctl32"), loaded and stays loaded; fails the test when it cannot be.
inline ControlLibrary *loadModule(const char *stem)
{
    QPluginLoader loader(builtModuleDir() + QLatin1Char('/') + QLatin1String(stem) + QStringLiteral(".so"));
    QObject *instance = loader.instance();
    EXPECT_NE(instance, nullptr) << qPrintable(loader.errorString());
    auto *library = qobject_cast<ControlLibrary *>(instance);
    EXPECT_NE(library, nullptr) << stem << " does not implement the control library interface";
    return library;
}

// Makes the class from its block through the module "<stem>.so", as the forms runtime does.
inline ControlLibrary::Creation create(const char *stem, QStringView clsid, std::span<const std::byte> block,
                                       QWidget &container)
{
    return loadModule(stem)->create(clsid, block, container);
}

} // namespace qv::test
