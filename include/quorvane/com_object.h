#pragma once
// Reference-counted objects of the runtime (forms and controls) and the counted reference that holds one.
// Taking an ObjRef adds a reference; destroying or resetting it releases the reference. The runtime holds
// one reference to every object it created; an object goes away when its last reference is released.

#include <quorvane/export.h>

#include <QString>
#include <string_view>
#include <utility>

namespace qv
{

// The forms runtime a program runs in; a program only passes it on.
class Runtime;

class QUORVANE_EXPORT ComObject
{
public:
    ComObject(Runtime &runtime, QString name);
    virtual ~ComObject();
    ComObject(const ComObject &) = delete;
    ComObject &operator=(const ComObject &) = delete;

    void addRef() noexcept;
    void release() noexcept;
    int refCount() const noexcept;

    const QString &objectName() const { return name_; }
    // The interface name that operations on this object are called through, as a report names it.
    virtual QString interfaceName() const = 0;
    Runtime &runtime() const { return runtime_; }

private:
    // Fixed for every 2.x version of the runtime: programs' form classes are laid out after them.
    Runtime &runtime_;
    QString name_;
    int refCount_ = 0;
};

template<class T> class ObjRef
{
public:
    ObjRef() = default;
    explicit ObjRef(T *object)
        : p_(object)
    {
        if (p_)
            p_->addRef();
    }
    ObjRef(const ObjRef &other)
        : ObjRef(other.p_)
    {
    }
    ObjRef(ObjRef &&other) noexcept
        : p_(std::exchange(other.p_, nullptr))
    {
    }
    template<class U>
    requires std::is_convertible_v<U *, T *> ObjRef(ObjRef<U> &&other)
    noexcept
        : p_(other.detach())
    {
    }
    ~ObjRef() { reset(); }
    ObjRef &operator=(ObjRef other) noexcept
    {
        std::swap(p_, other.p_);
        return *this;
    }

    void reset() noexcept
    {
        if (auto *old = std::exchange(p_, nullptr))
            old->release();
    }
    T *get() const { return p_; }
    T *operator->() const { return p_; }
    T &operator*() const { return *p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // Hands the reference over to the caller without releasing it.
    T *detach() noexcept { return std::exchange(p_, nullptr); }

private:
    T *p_ = nullptr;
};

} // namespace qv
