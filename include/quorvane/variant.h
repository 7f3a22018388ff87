#pragma once
// Variant: the value a program passes to and reads from any member of a control or form, late bound by name.
// It holds what such values are: empty, null, an error code (the missing-argument marker among them), a
// 16-bit Integer, a 32-bit Long, Single and Double, a Boolean, a String, a Date, or a counted reference to an
// object of the runtime.

#include <quorvane/com_object.h>
#include <quorvane/export.h>
#include <quorvane/status.h>

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

namespace qv
{

enum class VariantType { Empty, Null, Integer, Long, Single, Double, Date, String, Object, Error, Boolean };

class QUORVANE_EXPORT Variant
{
public:
    Variant() = default; // Empty
    Variant(bool value);
    Variant(std::int16_t value);
    Variant(std::int32_t value);
    Variant(float value);
    Variant(double value);
    Variant(QString value);
    Variant(const char *latin1) = delete; // say which: QStringLiteral or a number
    Variant(QDateTime value);
    Variant(ObjRef<ComObject> object);

    static Variant null();
    static Variant error(Status code);
    // The missing-argument marker: an omitted optional argument holds it.
    static Variant missing() { return error(status::paramNotFound); }
    static Variant fromLong(std::int32_t value) { return Variant(value); }

    VariantType type() const { return type_; }
    // The name of its type as programs of a forms runtime print it: "Long", "String", "Empty".
    QString typeName() const;
    bool isEmpty() const { return type_ == VariantType::Empty; }
    bool isNull() const { return type_ == VariantType::Null; }
    bool isMissing() const { return type_ == VariantType::Error && error_ == status::paramNotFound; }
    bool isLong() const { return type_ == VariantType::Long; }
    bool isNumeric() const;

    // The value held, read as the type asked for. Each read is exact for its own type; a number is read as
    // another number's type with the forms runtime's rounding (half to even); a value that is not of the
    // type asked and cannot become it reads as nullopt.
    std::optional<bool> toBool() const;
    std::optional<std::int32_t> toLong() const;
    std::optional<double> toDouble() const;
    std::optional<QString> toString() const;
    std::optional<QDateTime> toDate() const;
    ComObject *toObject() const { return object_.get(); }
    // The status an error value holds, or ok for any other.
    Status errorCode() const { return type_ == VariantType::Error ? error_ : status::ok; }
    // Kept for the form's optional arguments: a Long's value, or an error's code.
    std::int32_t value() const { return type_ == VariantType::Error ? error_ : toLong().value_or(0); }

    friend QUORVANE_EXPORT bool operator==(const Variant &a, const Variant &b);

private:
    VariantType type_ = VariantType::Empty;
    Status error_ = status::ok;
    double number_ = 0; // Integer, Long, Single, Double, Boolean (-1 for True, as the runtime stores it)
    QString text_;
    QDateTime date_;
    ObjRef<ComObject> object_;
};

} // namespace qv
