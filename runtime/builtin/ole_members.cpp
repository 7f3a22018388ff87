#include "runtime/builtin/ole_members.h"

#include "runtime/builtin/ole_container.h"

namespace qv::builtin
{

OleMembers::OleMembers(OleContainer &container, const ControlRecord &record)
    : WindowedMembers(container, record)
{
}

QString OleMembers::className() const
{
    return static_cast<const OleContainer &>(*widget()).className();
}

} // namespace qv::builtin
