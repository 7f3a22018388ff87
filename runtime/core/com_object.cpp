#include "runtime/core/com_object.h"

namespace qv
{

ComObject::ComObject(Runtime &runtime, QString name)
    : runtime_(runtime)
    , name_(std::move(name))
{
}

ComObject::~ComObject() = default;

void ComObject::release() noexcept
{
    if (--refCount_ == 0)
        delete this;
}

} // namespace qv
