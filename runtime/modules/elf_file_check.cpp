#include "runtime/modules/elf_file_check.h"

#include <QFile>
#include <cstring>
#include <elf.h>
#include <limits>

namespace qv
{

namespace
{

struct Elf32 {
    using Header = Elf32_Ehdr;
    using ProgramHeader = Elf32_Phdr;
};
struct Elf64 {
    using Header = Elf64_Ehdr;
    using ProgramHeader = Elf64_Phdr;
};

// The bytes [offset, offset + length) of the file, or nothing when the file ends before them.
std::optional<QByteArray> readAt(QFile &file, quint64 offset, quint64 length)
{
    if (offset > quint64(file.size()) || length > quint64(file.size()) - offset || !file.seek(qint64(offset)))
        return std::nullopt;
    QByteArray bytes = file.read(qint64(length));
    if (quint64(bytes.size()) != length)
        return std::nullopt;
    return bytes;
}

QString cutShort(quint64 needed, qint64 size, const char *what)
{
    return QStringLiteral("the file is cut short: its %1 reach byte %2, the file has %3 bytes")
        .arg(QLatin1String(what))
        .arg(needed)
        .arg(size);
}

template<typename Elf> std::optional<QString> damage(QFile &file)
{
    const auto headerBytes = readAt(file, 0, sizeof(typename Elf::Header));
    if (!headerBytes)
        return cutShort(sizeof(typename Elf::Header), file.size(), "file header would");
    typename Elf::Header header;
    std::memcpy(&header, headerBytes->constData(), sizeof header);

    // Every piece the loader maps, and the section table that ends a whole file, must lie within it.
    quint64 end = 0;
    const char *what = "";
    const auto reaches = [&](quint64 offset, quint64 length, const char *piece) {
        const quint64 last = length > std::numeric_limits<quint64>::max() - offset
            ? std::numeric_limits<quint64>::max()
            : offset + length;
        if (last > end) {
            end = last;
            what = piece;
        }
    };
    reaches(header.e_phoff, quint64(header.e_phnum) * header.e_phentsize, "program headers");
    reaches(header.e_shoff, quint64(header.e_shnum) * header.e_shentsize, "section headers");
    if (end > quint64(file.size()))
        return cutShort(end, file.size(), what);
    if (header.e_phentsize != sizeof(typename Elf::ProgramHeader))
        return QStringLiteral("its program headers are %1 bytes each, not %2")
            .arg(header.e_phentsize)
            .arg(sizeof(typename Elf::ProgramHeader));
    for (int i = 0; i < header.e_phnum; ++i) {
        typename Elf::ProgramHeader segment;
        const auto bytes = readAt(file, header.e_phoff + quint64(i) * sizeof segment, sizeof segment);
        if (!bytes)
            return cutShort(header.e_phoff + quint64(i + 1) * sizeof segment, file.size(), "program headers");
        std::memcpy(&segment, bytes->constData(), sizeof segment);
        reaches(segment.p_offset, segment.p_filesz, "loadable segments");
    }
    if (end > quint64(file.size()))
        return cutShort(end, file.size(), what);
    return std::nullopt;
}

} // namespace

std::optional<QString> moduleFileDamage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("it cannot be read: %1").arg(file.errorString());
    const auto ident = readAt(file, 0, EI_NIDENT);
    if (!ident || std::memcmp(ident->constData(), ELFMAG, SELFMAG) != 0)
        return QStringLiteral("it is not a shared object (no ELF signature)");
    switch ((*ident)[EI_CLASS]) {
    case ELFCLASS32:
        return damage<Elf32>(file);
    case ELFCLASS64:
        return damage<Elf64>(file);
    default:
        return QStringLiteral("its ELF class %1 is neither 32- nor 64-bit").arg(int((*ident)[EI_CLASS]));
    }
}

} // namespace qv
