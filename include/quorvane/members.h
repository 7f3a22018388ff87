#pragma once
// The run-time type information of a control or a form: every member a program can reach by name, with its
// type, whether it may be written, an enumeration's values, and a method's or an event's parameters. It is
// read from the class's one description, so it always says what the late-bound calls accept.

#include <quorvane/builtin_class.h>
#include <quorvane/export.h>
#include <quorvane/variant.h>

#include <QString>
#include <utility>
#include <vector>

namespace qv
{

enum class MemberKind { Property, Method, Event };

struct ParameterInfo {
    QString name;
    VariantType type = VariantType::Empty; // Empty: any Variant
    bool byReference = false; // an event's argument the handler may change (KeyAscii, Cancel)
    bool optional = false;

    bool operator==(const ParameterInfo &) const = default;
};

struct MemberInfo {
    QString name;
    MemberKind kind = MemberKind::Property;
    VariantType type = VariantType::Empty; // a property's type, a method's result (Empty: none)
    bool readOnly = false;
    bool stored = false; // a property a stored description may set
    std::vector<std::pair<QString, std::int32_t>> enumValues; // an enumerated property's names and values
    std::vector<ParameterInfo> parameters;

    bool operator==(const MemberInfo &) const = default;
};

// Every property, method and event of a built-in class, as each of its controls' members() gives them, known
// without a control; none for a value that is no built-in class. The typed classes of <quorvane/controls.h>
// are generated from it.
QUORVANE_EXPORT std::vector<MemberInfo> classMembers(BuiltinClass cls);
// The class's name as its controls' className() gives it ("CommandButton"); empty for no built-in class.
QUORVANE_EXPORT QString builtinClassName(BuiltinClass cls);

} // namespace qv
