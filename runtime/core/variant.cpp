#include <quorvane/variant.h>

#include <QLocale>
#include <cmath>
#include <limits>

namespace qv
{

Variant::Variant(bool value)
    : type_(VariantType::Boolean)
    , number_(value ? -1 : 0)
{
}

Variant::Variant(std::int16_t value)
    : type_(VariantType::Integer)
    , number_(value)
{
}

Variant::Variant(std::int32_t value)
    : type_(VariantType::Long)
    , number_(value)
{
}

Variant::Variant(float value)
    : type_(VariantType::Single)
    , number_(value)
{
}

Variant::Variant(double value)
    : type_(VariantType::Double)
    , number_(value)
{
}

Variant::Variant(QString value)
    : type_(VariantType::String)
    , text_(std::move(value))
{
}

Variant::Variant(QDateTime value)
    : type_(VariantType::Date)
    , date_(std::move(value))
{
}

Variant::Variant(ObjRef<ComObject> object)
    : type_(VariantType::Object)
    , object_(std::move(object))
{
}

Variant Variant::null()
{
    Variant v;
    v.type_ = VariantType::Null;
    return v;
}

Variant Variant::error(Status code)
{
    Variant v;
    v.type_ = VariantType::Error;
    v.error_ = code;
    return v;
}

QString Variant::typeName() const
{
    switch (type_) {
    case VariantType::Empty:
        return QStringLiteral("Empty");
    case VariantType::Null:
        return QStringLiteral("Null");
    case VariantType::Integer:
        return QStringLiteral("Integer");
    case VariantType::Long:
        return QStringLiteral("Long");
    case VariantType::Single:
        return QStringLiteral("Single");
    case VariantType::Double:
        return QStringLiteral("Double");
    case VariantType::Date:
        return QStringLiteral("Date");
    case VariantType::String:
        return QStringLiteral("String");
    case VariantType::Object:
        return object_ ? object_->interfaceName().mid(1) : QStringLiteral("Nothing");
    case VariantType::Error:
        return QStringLiteral("Error");
    case VariantType::Boolean:
        return QStringLiteral("Boolean");
    }
    return QString();
}

bool Variant::isNumeric() const
{
    switch (type_) {
    case VariantType::Integer:
    case VariantType::Long:
    case VariantType::Single:
    case VariantType::Double:
    case VariantType::Boolean:
        return true;
    default:
        return false;
    }
}

std::optional<double> Variant::toDouble() const
{
    if (isNumeric())
        return number_;
    if (type_ == VariantType::Empty)
        return 0.0;
    if (type_ == VariantType::String) {
        bool ok = false;
        const double parsed = QLocale::c().toDouble(text_.trimmed(), &ok);
        if (ok)
            return parsed;
    }
    return std::nullopt;
}

std::optional<std::int32_t> Variant::toLong() const
{
    const std::optional<double> number = toDouble();
    if (!number)
        return std::nullopt;
    // Half to even, as the forms runtime rounds: 2.5 is 2, 3.5 is 4.
    const double rounded = std::nearbyint(*number);
    if (!(rounded >= std::numeric_limits<std::int32_t>::min()
          && rounded <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

std::optional<bool> Variant::toBool() const
{
    if (type_ == VariantType::String) {
        if (text_.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (text_.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    if (const std::optional<double> number = toDouble())
        return *number != 0;
    return std::nullopt;
}

std::optional<QString> Variant::toString() const
{
    switch (type_) {
    case VariantType::String:
        return text_;
    case VariantType::Empty:
        return QString();
    case VariantType::Boolean:
        return number_ != 0 ? QStringLiteral("True") : QStringLiteral("False");
    case VariantType::Integer:
    case VariantType::Long:
        return QString::number(static_cast<std::int32_t>(number_));
    case VariantType::Single:
        return QLocale::c().toString(number_, 'g', 7);
    case VariantType::Double:
        return QLocale::c().toString(number_, 'g', 15);
    case VariantType::Date:
        return date_.toString(Qt::ISODate);
    default:
        return std::nullopt;
    }
}

std::optional<QDateTime> Variant::toDate() const
{
    if (type_ == VariantType::Date)
        return date_;
    if (type_ == VariantType::String) {
        QDateTime parsed = QDateTime::fromString(text_.trimmed(), Qt::ISODate);
        if (!parsed.isValid())
            parsed = QDateTime(QDate::fromString(text_.trimmed(), Qt::ISODate), QTime(0, 0));
        if (parsed.isValid())
            return parsed;
    }
    return std::nullopt;
}

bool operator==(const Variant &a, const Variant &b)
{
    if (a.type_ != b.type_)
        return false;
    switch (a.type_) {
    case VariantType::Empty:
    case VariantType::Null:
        return true;
    case VariantType::Error:
        return a.error_ == b.error_;
    case VariantType::String:
        return a.text_ == b.text_;
    case VariantType::Date:
        return a.date_ == b.date_;
    case VariantType::Object:
        return a.object_.get() == b.object_.get();
    default:
        return a.number_ == b.number_;
    }
}

} // namespace qv
