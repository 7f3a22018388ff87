#include "saved_state.h"

namespace qv::mscomctl
{

SavedState::SavedState(std::span<const std::byte> settings)
{
    settings::Block block;
    if (settings::readBlock(settings, block, error_))
        bag_ = std::move(block.state);
}

std::int32_t SavedState::integer(QStringView name, std::int32_t fallback, std::int32_t min, std::int32_t max)
{
    if (const auto number = bag_.integer(name)) {
        if (*number >= min && *number <= max)
            return *number;
        refuse(QStringLiteral("%1 is %2, outside %3 to %4").arg(name).arg(*number).arg(min).arg(max));
    } else if (bag_.text(name)) {
        refuse(QStringLiteral("%1 is stored as a text where a number belongs").arg(name));
    }
    return fallback;
}

QString SavedState::text(QStringView name, const QString &fallback)
{
    if (auto stored = bag_.text(name))
        return *std::move(stored);
    if (bag_.integer(name))
        refuse(QStringLiteral("%1 is stored as a number where a text belongs").arg(name));
    return fallback;
}

void SavedState::refuse(const QString &message)
{
    if (error_.isEmpty())
        error_ = message;
}

} // namespace qv::mscomctl
