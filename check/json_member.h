#pragma once
// A member name of quorvane-check's JSON output. quorvane-check.schema.json is the one list of them: a name
// it does not give any object does not compile. Which object holds which member, and the types, the tests
// check against the schema.

#include "check/schema_members.h"

#include <QJsonValue>
#include <QLatin1String>
#include <algorithm>
#include <string_view>

namespace qv::checker
{

consteval QLatin1String member(std::string_view name)
{
    if (std::find(schemaMembers.begin(), schemaMembers.end(), name) == schemaMembers.end())
        throw "quorvane-check.schema.json gives no object a member of this name";
    return QLatin1String(name.data(), static_cast<qsizetype>(name.size()));
}

// A text that has no value is null.
inline QJsonValue orNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

} // namespace qv::checker
