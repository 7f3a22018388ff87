#include "class_table.h"

namespace qv
{

const ClassFactory *TableLibrary::find(QStringView clsid) const
{
    for (const ClassFactory &entry : classes_) {
        if (clsid.compare(entry.clsid, Qt::CaseInsensitive) == 0)
            return &entry;
    }
    return nullptr;
}

ControlLibrary::Creation TableLibrary::create(QStringView clsid, std::span<const std::byte> settings,
                                              QWidget &container)
{
    if (const ClassFactory *entry = find(clsid))
        return entry->create(settings, container);
    return { nullptr, QStringLiteral("%1 has no class %2").arg(libraryFile_, clsid) };
}

const QMetaObject *TableLibrary::description(QStringView clsid) const
{
    const ClassFactory *entry = find(clsid);
    return entry ? entry->description : nullptr;
}

MemberObject *TableLibrary::members(QStringView clsid, QObject &instance)
{
    const ClassFactory *entry = find(clsid);
    return entry && entry->members ? entry->members(instance) : nullptr;
}

} // namespace qv
