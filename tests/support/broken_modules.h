#pragma once
// Copies of the control modules, and the ways the tests break one: replaced by a test module, overwritten,
// cut short, or with a loadable segment's length changed in its program header. Test programs that use it
// define QUORVANE_TEST_FAKE_MODULE_DIR (the test modules' folder).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstring>
#include <elf.h>
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

// Gives the `which`-th loadable segment (PT_LOAD) of a 64-bit module the length in the file that
// `length(offset)` makes of the segment's offset. The file keeps its length and its section table: only what
// the segment claims changes.
inline void setLoadableSegmentLength(const QDir &dir, const char *module, int which,
                                     std::uint64_t (*length)(std::uint64_t offset))
{
    QFile file(dir.filePath(QLatin1String(module)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    Elf64_Ehdr header;
    ASSERT_GE(std::size_t(bytes.size()), sizeof header);
    std::memcpy(&header, bytes.constData(), sizeof header);
    ASSERT_EQ(header.e_ident[EI_CLASS], ELFCLASS64) << module;
    ASSERT_EQ(header.e_phentsize, sizeof(Elf64_Phdr)) << module;
    int loadable = 0;
    for (int i = 0; i < header.e_phnum; ++i) {
        const std::size_t at = header.e_phoff + std::size_t(i) * sizeof(Elf64_Phdr);
        ASSERT_LE(at + sizeof(Elf64_Phdr), std::size_t(bytes.size())) << module;
        Elf64_Phdr segment;
        std::memcpy(&segment, bytes.constData() + at, sizeof segment);
        if (segment.p_type != PT_LOAD || loadable++ != which)
            continue;
        segment.p_filesz = length(segment.p_offset);
        std::memcpy(bytes.data() + at, &segment, sizeof segment);
        writeBytes(dir, module, bytes);
        return;
    }
    FAIL() << module << " has " << loadable << " loadable segments, not " << which + 1 << " or more";
}

} // namespace qv::test
