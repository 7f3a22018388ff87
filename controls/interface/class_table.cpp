#include "class_table.h"

namespace qv
{

ControlLibrary::Creation createFromTable(std::span<const ClassFactory> classes, QStringView libraryFile,
                                         QStringView clsid, std::span<const std::byte> settings,
                                         QWidget &container)
{
    for (const ClassFactory &entry : classes) {
        if (clsid.compare(entry.clsid, Qt::CaseInsensitive) == 0)
            return entry.create(settings, container);
    }
    return { nullptr, QStringLiteral("%1 has no class %2").arg(libraryFile, clsid) };
}

} // namespace qv
