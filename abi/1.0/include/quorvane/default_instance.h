#pragma once
// Form classes and their default instances: one program-wide slot per form class, empty until first use.

#include <quorvane/com_object.h>
#include <quorvane/export.h>
#include <quorvane/form.h>

#include <functional>

namespace qv
{

struct FormClass {
    // Makes a new, not yet loaded form object of the class.
    std::function<Form *(Runtime &)> create;
};

class FormSlot
{
public:
    bool empty() const { return !ref_; }
    Form &operator*() const { return *ref_; }
    Form *operator->() const { return ref_.get(); }
    template<class T> T &as() const { return static_cast<T &>(*ref_); }

private:
    friend QUORVANE_EXPORT void vbaNew2(Runtime &, const FormClass &, FormSlot &);
    ObjRef<Form> ref_;
};

// Creates the default instance of a form class into its empty slot. The slot keeps its reference for the
// rest of the run.
QUORVANE_EXPORT void vbaNew2(Runtime &runtime, const FormClass &formClass, FormSlot &slot);

} // namespace qv
