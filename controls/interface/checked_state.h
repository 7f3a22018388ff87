#pragma once
// Checked reads of a control's saved state. A stand-in refuses a value its control would not accept rather
// than guess, and a property it does not know, so a damaged block fails the load with a message naming the
// property at fault. The first
// fault is kept; later reads still answer with their fallbacks, so a stand-in can read everything first
// and look once.

#include "property_bag.h"

#include <QChar>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace qv::settings
{

class CheckedState
{
public:
    explicit CheckedState(const PropertyBag &state)
        : state_(state)
    {
    }

    // The integer stored under name, or the fallback when absent; a text there, or a number outside
    // [min, max], is a fault.
    std::int32_t integer(QStringView name, std::int32_t fallback, std::int32_t min, std::int32_t max);
    // A 0-or-1 property.
    bool flag(QStringView name, bool fallback) { return integer(name, fallback ? 1 : 0, 0, 1) != 0; }
    // The text stored under name, or the fallback when absent; a number there is a fault.
    QString text(QStringView name, const QString &fallback);
    // A text of exactly one character, such as a prompt or a password character; any other length is a fault.
    QChar character(QStringView name, QChar fallback);
    // A fault only the caller can see, such as two properties that contradict each other.
    void refuse(const QString &message);

    // The first fault: a value refused, or else a property the block names that the stand-in never asked for
    // (a name misspelt, or one its control does not have), which would otherwise be dropped without a word.
    QString error() const;
    bool ok() const { return error().isEmpty(); }

private:
    void asked(QStringView name);

    const PropertyBag &state_;
    QString error_;
    std::vector<QString> asked_;
};

} // namespace qv::settings
