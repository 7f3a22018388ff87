#include <quorvane/com_object.h>

namespace qv
{

ComObject::ComObject(Runtime &runtime, QString name)
    : runtime_(runtime)
    , name_(std::move(name))
{
}

ComObject::~ComObject() = default;

void ComObject::addRef() noexcept
{
    ++refCount_;
}

int ComObject::refCount() const noexcept
{
    return refCount_;
}

void ComObject::release() noexcept
{
    if (--refCount_ == 0)
        delete this;
}

} // namespace qv
