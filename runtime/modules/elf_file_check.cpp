#include "runtime/modules/elf_file_check.h"

#include <QFile>
#include <algorithm>
#include <gelf.h>
#include <libelf.h>
#include <limits>
#include <memory>

namespace qv
{

namespace
{
struct ElfEnd {
    void operator()(Elf *elf) const { elf_end(elf); }
};

// The file ends before a part of it the header places: `reach` is the first byte past that part.
Failure cutShort(QLatin1String part, quint64 reach, quint64 size)
{
    return failure(status::badFileFormat,
                   QStringLiteral("the file is cut short: its %1 reach byte %2, the file has %3 bytes")
                       .arg(part)
                       .arg(reach)
                       .arg(size));
}
} // namespace

Outcome<> checkModuleFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(status::fail, QStringLiteral("it cannot be read: %1").arg(file.errorString()));
    if (elf_version(EV_CURRENT) == EV_NONE)
        return failure(
            status::fail,
            QStringLiteral("libelf cannot read ELF files: %1").arg(QString::fromUtf8(elf_errmsg(-1))));
    const std::unique_ptr<Elf, ElfEnd> elf(elf_begin(file.handle(), ELF_C_READ, nullptr));
    GElf_Ehdr header;
    if (!elf || elf_kind(elf.get()) != ELF_K_ELF || !gelf_getehdr(elf.get(), &header))
        return {};
    // With more sections than the header counts, the count stands in the first section header, which lies at
    // the table's start: the table reaches at least that far.
    const quint64 sections = header.e_shnum != 0 ? header.e_shnum : 1;
    const quint64 size = quint64(file.size());
    const quint64 table = sections * header.e_shentsize; // at most 65535 * 65535: no overflow
    const quint64 end = header.e_shoff > size ? header.e_shoff : header.e_shoff + table;
    if (header.e_shoff != 0 && end > size)
        return cutShort(QLatin1String("section headers"), end, size);

    // The loader maps each loadable segment's bytes from the file as the header gives them. A program header
    // table libelf cannot read is the plugin loader's to refuse.
    std::size_t count = 0;
    if (elf_getphdrnum(elf.get(), &count) != 0)
        return {};
    quint64 segmentsEnd = 0;
    for (std::size_t i = 0; i < count; ++i) {
        GElf_Phdr segment;
        if (!gelf_getphdr(elf.get(), int(i), &segment))
            return {};
        if (segment.p_type != PT_LOAD)
            continue;
        // A length that would wrap past the largest offset reaches at least that far.
        const quint64 last = segment.p_filesz > std::numeric_limits<quint64>::max() - segment.p_offset
            ? std::numeric_limits<quint64>::max()
            : segment.p_offset + segment.p_filesz;
        segmentsEnd = std::max(segmentsEnd, last);
    }
    if (segmentsEnd > size)
        return cutShort(QLatin1String("loadable segments"), segmentsEnd, size);
    return {};
}

} // namespace qv
