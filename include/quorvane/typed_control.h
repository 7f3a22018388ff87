#pragma once
// The base of the typed classes of the built-in controls (<quorvane/controls.h>, generated from each class's
// type information): a view of one control through which its members are called by their own C++ names, so
// that a misspelt member is a compile error and not a run-time one. A view adds nothing to the control: each
// of its calls is the late-bound call of the same name, and a program built with these headers runs on any
// later 2.x runtime.

#include <quorvane/com_object.h>
#include <quorvane/control.h>
#include <quorvane/status.h>
#include <quorvane/variant.h>

#include <QDateTime>
#include <QString>
#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string_view>
#include <type_traits>

namespace qv
{

class TypedControl;

// A view of a control as the typed class View, which must be its class: 13 (type mismatch) for a control of
// another class, 91 for none.
template<std::derived_from<TypedControl> View> Status viewAs(ObjRef<Control> control, View &out);

class TypedControl
{
public:
    TypedControl() = default;

    // The control viewed; an empty view holds none, and each of its calls fails with 91.
    Control *control() const { return control_.get(); }
    explicit operator bool() const { return static_cast<bool>(control_); }

protected:
    template<class T> Status read(std::string_view property, T &out) const
    {
        if (!control_)
            return status::objectNotSet;
        Variant value;
        if (const Status s = control_->get(property, value); failed(s))
            return s;
        return convert(value, out);
    }
    Status write(std::string_view property, const Variant &value) const
    {
        return control_ ? control_->put(property, value) : status::objectNotSet;
    }
    Status invoke(std::string_view method, std::initializer_list<Variant> arguments) const
    {
        return control_ ? control_->call(method, arguments) : status::objectNotSet;
    }
    template<class T>
    Status invoke(std::string_view method, std::initializer_list<Variant> arguments, T *result) const
    {
        if (!control_)
            return status::objectNotSet;
        if (!result)
            return status::invalidArgument;
        Variant value;
        if (const Status s = control_->call(method, { arguments.begin(), arguments.size() }, value);
            failed(s))
            return s;
        return convert(value, *result);
    }

private:
    // A value as the property's C++ type; the runtime gives each property its own type, so a mismatch here
    // means a runtime older than the header.
    template<class T> static Status convert(const Variant &value, T &out)
    {
        if constexpr (std::is_same_v<T, Variant>) {
            out = value;
            return status::ok;
        } else {
            const auto typed = readAs<T>(value);
            if (!typed)
                return status::typeMismatch;
            out = *typed;
            return status::ok;
        }
    }
    template<class T> static std::optional<T> readAs(const Variant &value)
    {
        if constexpr (std::is_same_v<T, bool>) {
            return value.toBool();
        } else if constexpr (std::is_same_v<T, QString>) {
            return value.toString();
        } else if constexpr (std::is_same_v<T, QDateTime>) {
            return value.toDate();
        } else if constexpr (std::is_floating_point_v<T>) {
            const auto number = value.toDouble();
            return number ? std::optional<T>(static_cast<T>(*number)) : std::nullopt;
        } else if constexpr (std::is_enum_v<T>) {
            const auto number = value.toLong();
            return number ? std::optional<T>(static_cast<T>(*number)) : std::nullopt;
        } else {
            static_assert(std::is_integral_v<T>);
            const auto number = value.toLong();
            if (!number || *number < std::numeric_limits<T>::min() || *number > std::numeric_limits<T>::max())
                return std::nullopt;
            return static_cast<T>(*number);
        }
    }

    template<std::derived_from<TypedControl> View> friend Status viewAs(ObjRef<Control> control, View &out);

    ObjRef<Control> control_;
};

template<std::derived_from<TypedControl> View> Status viewAs(ObjRef<Control> control, View &out)
{
    if (!control)
        return status::objectNotSet;
    if (control->className() != QLatin1StringView(View::className))
        return status::typeMismatch;
    View view;
    static_cast<TypedControl &>(view).control_ = std::move(control);
    out = std::move(view);
    return status::ok;
}

} // namespace qv
