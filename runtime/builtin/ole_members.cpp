#include "runtime/builtin/ole_members.h"

#include "runtime/builtin/ole_container.h"

namespace qv::builtin
{

OleMembers::OleMembers(OleContainer &container, const ControlRecord &record)
    : WindowedMembers(container, record)
{
}

QByteArray OleMembers::oleObject() const
{
    const auto *stored = storedValueOf<std::span<const std::byte>>(record(), QLatin1StringView("OLEObject"));
    if (!stored)
        return {};
    return QByteArray(reinterpret_cast<const char *>(stored->data()), static_cast<qsizetype>(stored->size()));
}

QString OleMembers::className() const
{
    return static_cast<const OleContainer &>(*widget()).className();
}

} // namespace qv::builtin
