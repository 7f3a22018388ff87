#pragma once
// Every property of a control or a form written by its run-time type information, never by a list: each
// writable one keeps what is written to it or refuses it whole, each read-only one refuses a write, a value
// of another type is a type mismatch.

#include <quorvane/members.h>
#include <quorvane/status.h>
#include <quorvane/variant.h>

#include <QDateTime>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <set>
#include <string>
#include <vector>

namespace qv::test
{

// The refusals of a value naming a file, a directory or a volume that is not there: a path or a drive written
// is one.
inline const std::set<Status> namesWhatIsNotThere { status::fileNotFound, status::pathNotFound,
                                                    status::deviceUnavailable };

// Properties whose write is an action on what is there, not a value kept: SelText replaces the selection,
// which is then empty.
inline const std::set<QString> actions { QStringLiteral("SelText") };

inline QString describe(const Variant &v)
{
    return v.typeName() + QLatin1Char(' ') + v.toString().value_or(QStringLiteral("?"));
}

// Values worth writing to a property of the given kind: the one it holds, others of its type, and the ends of
// its type's range.
inline std::vector<Variant> candidates(const MemberInfo &property, const Variant &current)
{
    std::vector<Variant> values { current };
    switch (property.type) {
    case VariantType::Boolean:
        values.emplace_back(!current.toBool().value_or(false));
        break;
    case VariantType::Integer:
    case VariantType::Long: {
        if (!property.enumValues.empty()) {
            for (const auto &[name, value] : property.enumValues)
                values.emplace_back(value);
            values.emplace_back(std::int32_t { 99 });
            break;
        }
        const std::int32_t now = current.toLong().value_or(0);
        // Multiples of 15: a position or size in twips is kept to the pixel, 15 twips at 96 dots an inch.
        for (const std::int32_t v :
             { now + 15, std::int32_t { 15 }, std::int32_t { 0 }, std::int32_t { -15 },
               std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min() })
            values.emplace_back(v);
        break;
    }
    case VariantType::Single:
    case VariantType::Double:
        for (const double v : { 10.0, 0.0, -1.0, 1e9 })
            values.emplace_back(property.type == VariantType::Single ? Variant(float(v)) : Variant(v));
        break;
    case VariantType::Date:
        if (const std::optional<QDateTime> now = current.toDate())
            values.emplace_back(now->addDays(1));
        values.emplace_back(QDateTime(QDate(1999, 12, 31), {}));
        values.emplace_back(QDateTime(QDate(100, 1, 1), {}));
        break;
    case VariantType::String:
        values.emplace_back(QStringLiteral("Quorvane"));
        values.emplace_back(QString());
        break;
    default:
        break;
    }
    return values;
}

// A value as the property holds it, to compare what was written with what is read.
inline Variant asPropertyType(const Variant &value, VariantType type)
{
    switch (type) {
    case VariantType::Boolean:
        return Variant(value.toBool().value_or(false));
    case VariantType::Integer:
        return Variant(static_cast<std::int16_t>(value.toLong().value_or(0)));
    case VariantType::Long:
        return Variant(value.toLong().value_or(0));
    case VariantType::Single:
        return Variant(float(value.toDouble().value_or(0)));
    case VariantType::Double:
        return Variant(value.toDouble().value_or(0));
    case VariantType::String:
        return Variant(value.toString().value_or(QString()));
    default:
        return value;
    }
}

// Every property of one object (a control or the form), by its type information: a writable one keeps each
// value written or refuses it whole, leaving what it held; a read-only one refuses; a value of another type
// is a mismatch. Returns how many values were kept.
template<class Object>
int writeEveryProperty(Object &object, const std::vector<MemberInfo> &members,
                       const std::function<QString()> &lastError)
{
    int written = 0;
    for (const MemberInfo &m : members) {
        if (m.kind != MemberKind::Property || actions.count(m.name))
            continue;
        const std::string where = object.objectName().toStdString() + "." + m.name.toStdString();
        const std::string name = m.name.toStdString();
        Variant before;
        EXPECT_EQ(object.get(name, before), status::ok) << where << ": " << lastError().toStdString();
        if (m.readOnly) {
            EXPECT_EQ(object.put(name, before), status::readOnlyProperty) << where;
            EXPECT_TRUE(lastError().contains(m.name)) << where;
            continue;
        }
        for (const Variant &value : candidates(m, before)) {
            Variant was;
            EXPECT_EQ(object.get(name, was), status::ok) << where;
            const Status put = object.put(name, value);
            const QString why = lastError();
            Variant now;
            EXPECT_EQ(object.get(name, now), status::ok) << where;
            if (put == status::ok) {
                EXPECT_EQ(now, asPropertyType(value, m.type))
                    << where << " = " << describe(value).toStdString() << " reads "
                    << describe(now).toStdString();
                ++written;
            } else {
                EXPECT_TRUE(put == status::invalidPropertyValue || put == status::overflow
                            || namesWhatIsNotThere.count(put))
                    << where << " = " << describe(value).toStdString() << ": status " << put;
                EXPECT_TRUE(why.contains(m.name) && why.contains(object.objectName()))
                    << where << ": " << why.toStdString();
                EXPECT_EQ(now, was) << where << " changed though " << describe(value).toStdString()
                                    << " was refused";
            }
        }
        EXPECT_EQ(object.put(name, before), status::ok) << where << " took back what it held";
        // A value that is no value of the property's type.
        const Variant wrong = m.type == VariantType::String ? Variant::error(status::fail)
                                                            : Variant(QStringLiteral("twelve"));
        EXPECT_EQ(object.put(name, wrong), status::typeMismatch) << where;
        EXPECT_TRUE(lastError().contains(QStringLiteral("is not a"))) << where;
    }
    return written;
}

} // namespace qv::test
