#pragma once
// Checked reads of a stand-in's saved state. Every stand-in refuses a value its control would not accept
// rather than guess, so a damaged form fails to load with a message naming the property at fault.

#include "controls/interface/settings_block.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <span>

namespace qv::mscomctl
{

// The saved state of one block. The first fault (a malformed block, a value of the wrong type or out of
// range, or one the caller refuses) is kept; later reads still answer, with their fallbacks.
class SavedState
{
public:
    explicit SavedState(std::span<const std::byte> settings);

    // The integer stored under name, or fallback when absent; a text, or a number outside min to max, is a
    // fault.
    std::int32_t integer(QStringView name, std::int32_t fallback, std::int32_t min, std::int32_t max);
    // The text stored under name, or fallback when absent; a number there is a fault.
    QString text(QStringView name, const QString &fallback);
    // A fault only the caller can see, such as two properties that contradict each other.
    void refuse(const QString &message);

    bool ok() const { return error_.isEmpty(); }
    const QString &error() const { return error_; }

private:
    settings::PropertyBag bag_;
    QString error_;
};

} // namespace qv::mscomctl
