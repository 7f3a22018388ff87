#pragma once
// The run-time type information of a control or a form: every member a program can reach by name, with its
// type, whether it may be written, an enumeration's values, and a method's or an event's parameters. It is
// read from the class's one description, so it always says what the late-bound calls accept.

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
};

struct MemberInfo {
    QString name;
    MemberKind kind = MemberKind::Property;
    VariantType type = VariantType::Empty; // a property's type, a method's result (Empty: none)
    bool readOnly = false;
    bool stored = false; // a property a stored description may set
    std::vector<std::pair<QString, std::int32_t>> enumValues; // an enumerated property's names and values
    std::vector<ParameterInfo> parameters;
};

} // namespace qv
