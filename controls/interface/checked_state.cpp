#include "checked_state.h"

#include <algorithm>

namespace qv::settings
{

std::int32_t CheckedState::integer(QStringView name, std::int32_t fallback, std::int32_t min,
                                   std::int32_t max)
{
    asked(name);
    if (const auto value = state_.integer(name)) {
        if (*value >= min && *value <= max)
            return *value;
        refuse(QStringLiteral("%1 is %2, outside %3 to %4").arg(name).arg(*value).arg(min).arg(max));
    } else if (state_.text(name)) {
        refuse(QStringLiteral("%1 holds a text where a number belongs").arg(name));
    }
    return fallback;
}

QString CheckedState::text(QStringView name, const QString &fallback)
{
    asked(name);
    if (auto value = state_.text(name))
        return *value;
    if (state_.integer(name))
        refuse(QStringLiteral("%1 holds a number where a text belongs").arg(name));
    return fallback;
}

QChar CheckedState::character(QStringView name, QChar fallback)
{
    const QString value = text(name, QString(fallback));
    if (value.size() == 1)
        return value.front();
    refuse(QStringLiteral("%1 is \"%2\"; it must be one character").arg(name, value));
    return fallback;
}

void CheckedState::asked(QStringView name)
{
    asked_.push_back(name.toString());
}

QString CheckedState::error() const
{
    if (!error_.isEmpty())
        return error_;
    for (const PropertyBag::Entry &entry : state_.entries()) {
        if (std::find(asked_.begin(), asked_.end(), entry.name) == asked_.end())
            return QStringLiteral("%1 is no property of this control").arg(entry.name);
    }
    return {};
}

void CheckedState::refuse(const QString &message)
{
    if (error_.isEmpty())
        error_ = message;
}

} // namespace qv::settings
