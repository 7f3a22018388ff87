#pragma once
// Copies of the control modules, and the ways the tests break one: replaced by a test module, overwritten,
// cut short. Test programs that use it define QUORVANE_TEST_FAKE_MODULE_DIR (the test modules' folder).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace qv::test
{

// Every module of `from` copied into `to`.
inline void copyModules(const QString &from, const QDir &to)
{
    ASSERT_TRUE(to.mkpath(QStringLiteral(".")));
    for (const QString &file : QDir(from).entryList({ QStringLiteral("*.so") }, QDir::Files))
        ASSERT_TRUE(QFile::copy(QDir(from).filePath(file), to.filePath(file))) << qPrintable(file);
}

// A test module of tests/plugins, e.g. "wrong_version".
inline QString fake(const char *kind)
{
    return QStringLiteral(QUORVANE_TEST_FAKE_MODULE_DIR "/fake_%1.so").arg(QLatin1String(kind));
}

// A module for MSCOMCT2.OCX with the real metadata that misbehaves once loaded, e.g. "null_write".
inline QString faulty(const char *fault)
{
    return QStringLiteral(QUORVANE_TEST_FAKE_MODULE_DIR "/faulty/%1/mscomct2.so").arg(QLatin1String(fault));
}

inline void replaceWith(const QDir &dir, const char *module, const QString &source)
{
    QFile::remove(dir.filePath(QLatin1String(module)));
    ASSERT_TRUE(QFile::copy(source, dir.filePath(QLatin1String(module))));
}

inline void writeBytes(const QDir &dir, const char *module, const QByteArray &bytes)
{
    QFile file(dir.filePath(QLatin1String(module)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Keeps only the first bytes of a module, as a copy broken off part way would.
inline void cutShort(const QDir &dir, const char *module, qint64 (*keep)(qint64 size))
{
    QFile whole(dir.filePath(QLatin1String(module)));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray head = whole.read(keep(whole.size()));
    whole.close();
    writeBytes(dir, module, head);
}

} // namespace qv::test
