// Each built control library module against the manifest: what it declares in its metadata, read through the
// real plugin loader as the runtime reads it before loading, and the classes it makes once loaded.

#include "support/control_module.h"

#include "manifest/manifest.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QRegularExpression>
#include <QWidget>
#include <array>
#include <cstddef>
#include <gtest/gtest.h>
#include <string>

namespace qv::manifest
{
namespace
{

QString text(std::string_view s)
{
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// The module of a library file: its stem in lower case, "MSCOMCT2.OCX" in mscomct2.so.
QString modulePath(std::string_view libraryFile)
{
    const std::string_view stem = libraryFile.substr(0, libraryFile.find('.'));
    return test::builtModuleDir() + QLatin1Char('/') + text(stem).toLower() + QStringLiteral(".so");
}

class ModuleOfLibrary : public ::testing::TestWithParam<std::size_t>
{
protected:
    const LibraryRecord &library() const { return libraries()[GetParam()]; }
};

TEST_P(ModuleOfLibrary, DeclaresItsLibraryAndItsClassesInTableOrder)
{
    QPluginLoader loader(modulePath(library().file));
    const QJsonObject meta = loader.metaData();
    ASSERT_FALSE(meta.isEmpty()) << qPrintable(loader.errorString());
    EXPECT_EQ(meta.value(u"IID").toString(), QLatin1String(QuorvaneControlLibrary_iid));

    const QJsonObject declared = meta.value(u"MetaData").toObject();
    EXPECT_EQ(declared.value(u"libraryFile").toString(), text(library().file));
    EXPECT_EQ(declared.value(u"typeLibrary").toString(), text(library().typeLibrary));
    const QString version = declared.value(u"version").toString();
    if (library().version)
        EXPECT_EQ(version,
                  QStringLiteral("%1.%2").arg(library().version->major).arg(library().version->minor));
    else
        EXPECT_TRUE(version.contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d+$"))))
            << qPrintable(version);

    QStringList expected;
    for (const ClassRecord *cls : classesOf(library().file))
        expected << QStringLiteral("%1 %2 %3")
                        .arg(text(cls->progId), text(cls->clsid),
                             cls->visible ? QStringLiteral("visible") : QStringLiteral("invisible"));
    QStringList actual;
    for (const QJsonValue &entry : declared.value(u"classes").toArray()) {
        const QJsonObject cls = entry.toObject();
        actual << QStringLiteral("%1 %2 %3")
                      .arg(cls.value(u"progId").toString(), cls.value(u"clsid").toString(),
                           cls.value(u"visible").toBool() ? QStringLiteral("visible")
                                                          : QStringLiteral("invisible"));
    }
    EXPECT_EQ(actual, expected);
}

// Asked for each of its library's classes, the module knows it (it makes it, or finds fault with the block);
// asked for any other, it names its library file in the refusal.
TEST_P(ModuleOfLibrary, KnowsEveryClassOfItsLibraryAndNoOther)
{
    QPluginLoader loader(modulePath(library().file));
    auto *module = qobject_cast<ControlLibrary *>(loader.instance());
    ASSERT_NE(module, nullptr) << qPrintable(loader.errorString());

    const std::array<std::byte, 0> noBlock {};
    for (const ClassRecord *cls : classesOf(library().file)) {
        QWidget container;
        const ControlLibrary::Creation made = module->create(text(cls->clsid), noBlock, container);
        EXPECT_FALSE(made.error.contains(QLatin1String("has no class"))) << qPrintable(made.error);
    }
    const QString otherClass = QStringLiteral("{00000000-0000-0000-0000-000000000000}");
    QWidget container;
    const ControlLibrary::Creation made = module->create(otherClass, noBlock, container);
    EXPECT_EQ(made.object, nullptr);
    EXPECT_EQ(made.error, QStringLiteral("%1 has no class %2").arg(text(library().file), otherClass));
}

INSTANTIATE_TEST_SUITE_P(EachLibrary, ModuleOfLibrary, ::testing::Range<std::size_t>(0, libraryTable.size()),
                         [](const auto &row) {
                             const std::string_view file = libraryTable[row.param].file;
                             return std::string(file.substr(0, file.find('.')));
                         });

} // namespace
} // namespace qv::manifest
