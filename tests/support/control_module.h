#pragma once
// Loads a control library module from the build tree through the real plugin loader, for tests of a module.

#include "manifest/manifest.h"
#include "program_driver.h"
#include <quorvane/control_library.h>

#include <QPluginLoader>
#include <QString>
#include <array>
#include <gtest/gtest.h>
#include <string_view>

namespace qv::test
{

// A class identity as the runtime hands it to a module, made when the test is compiled.
struct ClassId {
    std::array<char16_t, 38> text;
    constexpr operator QStringView() const { return QStringView(text.data(), qsizetype(text.size())); }
};

// The identity the control manifest records for the class with that programmatic identifier: a test asks a
// module for a class as the runtime does, by the manifest's record. A class the manifest lacks does not
// compile.
consteval ClassId manifestClassId(std::string_view progId)
{
    const manifest::ClassRecord *cls = manifest::findClass(progId);
    if (!cls || cls->clsid.size() != ClassId {}.text.size())
        throw "the control manifest has no class of that programmatic identifier";
    ClassId id {};
    for (std::size_t i = 0; i < id.text.size(); ++i)
        id.text[i] = static_cast<char16_t>(cls->clsid[i]);
    return id;
}

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
