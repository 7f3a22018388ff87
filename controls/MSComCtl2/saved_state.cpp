#include "saved_state.h"

namespace qv::mscomctl2
{

int SavedState::integer(QStringView name, int low, int high, int fallback)
{
    if (const std::optional<std::int32_t> value = state_.integer(name)) {
        if (*value >= low && *value <= high)
            return *value;
        fail(QStringLiteral("%1 is %2; it must lie between %3 and %4")
                 .arg(name)
                 .arg(*value)
                 .arg(low)
                 .arg(high));
    } else if (state_.text(name)) {
        fail(QStringLiteral("%1 is text where a whole number belongs").arg(name));
    }
    return fallback;
}

void SavedState::fail(const QString &message)
{
    if (fault_.isEmpty())
        fault_ = message;
}

} // namespace qv::mscomctl2
