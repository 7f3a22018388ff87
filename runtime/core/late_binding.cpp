#include "runtime/core/late_binding.h"
#include "runtime/core/object_private.h"

#include <QMetaEnum>
#include <QMetaMethod>
#include <QMetaProperty>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace qv
{

namespace
{
QString nameText(std::string_view name)
{
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

bool sameName(const char *declared, std::string_view asked)
{
    return nameText(asked).compare(QLatin1String(declared), Qt::CaseInsensitive) == 0;
}

Failure noSuchMember(std::string_view name)
{
    return failure(status::memberNotFound,
                   QStringLiteral("it has no property or method %1").arg(nameText(name)));
}

int findProperty(const QMetaObject &meta, std::string_view name)
{
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta.propertyCount(); ++i) {
        if (sameName(meta.property(i).name(), name))
            return i;
    }
    return -1;
}

bool isMemberMethod(const QMetaMethod &method)
{
    return method.methodType() == QMetaMethod::Method && method.access() == QMetaMethod::Public;
}

QString valueText(const Variant &value)
{
    if (const std::optional<QString> text = value.toString(); text && value.type() == VariantType::String)
        return QLatin1Char('"') + *text + QLatin1Char('"');
    return value.toString().value_or(value.typeName());
}

Failure typeMismatch(const Variant &value, QMetaType type)
{
    return failure(status::typeMismatch,
                   QStringLiteral("%1 (%2) is not a %3")
                       .arg(valueText(value), value.typeName(), QString::fromLatin1(type.name())));
}

VariantType variantTypeOf(QMetaType type)
{
    if (type.flags() & QMetaType::IsEnumeration)
        return VariantType::Long;
    switch (type.id()) {
    case QMetaType::Bool:
        return VariantType::Boolean;
    case QMetaType::Short:
        return VariantType::Integer;
    case QMetaType::Int:
        return VariantType::Long;
    case QMetaType::Float:
        return VariantType::Single;
    case QMetaType::Double:
        return VariantType::Double;
    case QMetaType::QString:
        return VariantType::String;
    case QMetaType::QDateTime:
        return VariantType::Date;
    case QMetaType::QVariant: // any value
        return VariantType::Empty;
    default:
        return (type.flags() & QMetaType::PointerToQObject) ? VariantType::Object : VariantType::Empty;
    }
}

template<class Integer> Outcome<QVariant> toInteger(const Variant &value, QMetaType type)
{
    const std::optional<double> number = value.toDouble();
    if (!number)
        return typeMismatch(value, type);
    const double rounded = std::nearbyint(*number);
    if (!(rounded >= std::numeric_limits<Integer>::min() && rounded <= std::numeric_limits<Integer>::max()))
        return failure(
            status::overflow,
            QStringLiteral("%1 does not fit a %2").arg(valueText(value), QString::fromLatin1(type.name())));
    return QVariant::fromValue(static_cast<Integer>(rounded));
}

// The object an Object value stands for, as a member of the given type takes it; Nothing is null.
Outcome<QVariant> toMemberObject(const Variant &value, QMetaType type)
{
    if (value.type() != VariantType::Object)
        return typeMismatch(value, type);
    QObject *target = nullptr;
    if (value.toObject()) {
        const Object *object = objectOf(value);
        if (!object)
            return typeMismatch(value, type);
        Outcome<MemberObject *> there = ObjectPrivate::of(*object).target();
        if (!there)
            return std::move(there).failure();
        target = there.value();
        if (type.metaObject() && !target->metaObject()->inherits(type.metaObject()))
            return failure(status::typeMismatch,
                           QStringLiteral("an object %1 is not a %2")
                               .arg(object->interfaceName(), QString::fromLatin1(type.name())));
    }
    return QVariant(type, &target);
}

// A value for a member that takes any: the value's own type, an Object as the object it stands for.
Outcome<QVariant> toAnyValue(const Variant &value)
{
    switch (value.type()) {
    case VariantType::Empty:
        return QVariant();
    case VariantType::Null:
        return QVariant::fromValue(nullptr);
    case VariantType::Boolean:
        return QVariant(*value.toBool());
    case VariantType::Integer:
        return QVariant::fromValue(static_cast<short>(*value.toLong()));
    case VariantType::Long:
        return QVariant(*value.toLong());
    case VariantType::Single:
        return QVariant(static_cast<float>(*value.toDouble()));
    case VariantType::Double:
        return QVariant(*value.toDouble());
    case VariantType::Date:
        return QVariant(*value.toDate());
    case VariantType::String:
        return QVariant(*value.toString());
    case VariantType::Object:
        return toMemberObject(value, QMetaType::fromType<QObject *>());
    case VariantType::Error:
        if (value.isMissing())
            return QVariant();
        break;
    }
    return typeMismatch(value, QMetaType::fromType<QVariant>());
}
} // namespace

Outcome<QVariant> toMemberValue(const Variant &value, QMetaType type)
{
    if (type.id() == QMetaType::QVariant) {
        Outcome<QVariant> any = toAnyValue(value);
        if (!any)
            return any;
        // A variant holding the value as a QVariant (fromValue would hand the value back unwrapped): what a
        // QVariant parameter is given, a value left out included.
        return QVariant(QMetaType::fromType<QVariant>(), &any.value());
    }
    if (type.flags() & QMetaType::PointerToQObject)
        return toMemberObject(value, type);
    if (value.isNull())
        return failure(status::invalidUseOfNull,
                       QStringLiteral("Null is not a value of %1").arg(QString::fromLatin1(type.name())));
    if (value.type() == VariantType::Error || value.type() == VariantType::Object)
        return typeMismatch(value, type);
    if (type.flags() & QMetaType::IsEnumeration)
        return toInteger<int>(value, type);
    switch (type.id()) {
    case QMetaType::Bool:
        if (const std::optional<bool> b = value.toBool())
            return QVariant(*b);
        return typeMismatch(value, type);
    case QMetaType::Short:
        return toInteger<short>(value, type);
    case QMetaType::Int:
        return toInteger<int>(value, type);
    case QMetaType::Float:
    case QMetaType::Double:
        if (const std::optional<double> d = value.toDouble()) {
            QVariant converted(*d);
            converted.convert(type);
            return converted;
        }
        return typeMismatch(value, type);
    case QMetaType::QString:
        if (std::optional<QString> s = value.toString())
            return QVariant(std::move(*s));
        return typeMismatch(value, type);
    case QMetaType::QDateTime:
        if (std::optional<QDateTime> d = value.toDate())
            return QVariant(std::move(*d));
        return typeMismatch(value, type);
    default:
        return typeMismatch(value, type);
    }
}

Variant fromMemberValue(const QVariant &value, const ObjectWrapping *objects, std::string_view member)
{
    const QMetaType type = value.metaType();
    if (type.flags() & QMetaType::IsEnumeration)
        return Variant(value.toInt());
    if (type.flags() & QMetaType::PointerToQObject) {
        auto *object = dynamic_cast<MemberObject *>(value.value<QObject *>());
        return object && objects ? objects->wrap(*object, member) : Variant(ObjRef<ComObject>());
    }
    switch (type.id()) {
    case QMetaType::Bool:
        return Variant(value.toBool());
    case QMetaType::Short:
        return Variant(static_cast<std::int16_t>(value.value<short>()));
    case QMetaType::Int:
        return Variant(static_cast<std::int32_t>(value.toInt()));
    case QMetaType::Float:
        return Variant(value.toFloat());
    case QMetaType::Double:
        return Variant(value.toDouble());
    case QMetaType::QString:
        return Variant(value.toString());
    case QMetaType::QDateTime:
        return Variant(value.toDateTime());
    case QMetaType::QVariant:
        return fromMemberValue(value.value<QVariant>(), objects, member);
    default:
        return Variant();
    }
}

Outcome<Variant> getProperty(MemberSet members, std::string_view name, const ObjectWrapping *objects)
{
    for (MemberObject *object : members) {
        const int index = findProperty(*object->metaObject(), name);
        if (index < 0)
            continue;
        const QVariant value = object->metaObject()->property(index).read(object);
        if (std::optional<Failure> refused = object->takeRefusal())
            return *std::move(refused);
        return fromMemberValue(value, objects, name);
    }
    return noSuchMember(name);
}

namespace
{
// Writes a property as a program writes it: converted, an enumeration kept to its values, the setter's
// refusal said with the property and the value.
Outcome<> writeProperty(MemberObject &members, const QMetaProperty &property, const Variant &value)
{
    Outcome<QVariant> converted = toMemberValue(value, property.metaType());
    if (!converted) {
        Failure why = std::move(converted).failure();
        why.info.description
            = QStringLiteral("%1 = %2: %3")
                  .arg(QLatin1String(property.name()), valueText(value), why.info.description);
        return why;
    }
    if (property.isEnumType() && !property.enumerator().valueToKey(converted.value().toInt()))
        return failure(status::invalidPropertyValue,
                       QStringLiteral("%1 = %2: not one of its values")
                           .arg(QLatin1String(property.name()), valueText(value)));
    // A property that takes any value is written the value itself, not a variant holding it.
    const bool any = property.metaType().id() == QMetaType::QVariant;
    property.write(&members, any ? converted.value().value<QVariant>() : converted.value());
    if (std::optional<Failure> refused = members.takeRefusal()) {
        refused->info.description
            = QStringLiteral("%1 = %2: %3")
                  .arg(QLatin1String(property.name()), valueText(value), refused->info.description);
        return *std::move(refused);
    }
    return {};
}

// Whether a stored value is of a kind the property takes: a number for a number, a Boolean or an
// enumeration, a text for a text, bytes for bytes. Stricter than a program's conversions: a description
// that stores "12" for a number is damaged, not converted.
bool storedKindFits(const StoredValue::Value &value, QMetaType type)
{
    if (std::holds_alternative<std::string_view>(value))
        return type.id() == QMetaType::QString;
    if (std::holds_alternative<std::span<const std::byte>>(value))
        return type.id() == QMetaType::QByteArray;
    return variantTypeOf(type) != VariantType::String && variantTypeOf(type) != VariantType::Empty
        && variantTypeOf(type) != VariantType::Date && variantTypeOf(type) != VariantType::Object;
}

QString storedKindText(const StoredValue::Value &value)
{
    if (const auto *number = std::get_if<std::int32_t>(&value))
        return QString::number(*number);
    if (const auto *text = std::get_if<std::string_view>(&value))
        return QLatin1Char('"') + nameText(*text) + QLatin1Char('"');
    return QStringLiteral("%1 bytes").arg(std::get<std::span<const std::byte>>(value).size());
}

// The properties a class's maker reads from the stored values itself, as it makes the control: those a
// program cannot write (the OLE object's class and data), named in the class's "MadeFrom" information.
bool madeFrom(const QMetaObject &meta, const char *property)
{
    const int info = meta.indexOfClassInfo("MadeFrom");
    if (info < 0)
        return false;
    const QList<QByteArray> names = QByteArray(meta.classInfo(info).value()).split(' ');
    return names.contains(QByteArray(property));
}
} // namespace

namespace
{
// The object of the set that has the property, with its index there; null when none has it.
std::pair<MemberObject *, int> propertyOf(MemberSet &members, std::string_view name)
{
    for (MemberObject *object : members) {
        if (const int index = findProperty(*object->metaObject(), name); index >= 0)
            return { object, index };
    }
    return { nullptr, -1 };
}
} // namespace

Outcome<> putProperty(MemberSet members, std::string_view name, const Variant &value)
{
    const auto [object, index] = propertyOf(members, name);
    if (!object)
        return noSuchMember(name);
    const QMetaProperty property = object->metaObject()->property(index);
    if (!property.isWritable())
        return failure(status::readOnlyProperty,
                       QStringLiteral("its property %1 is read-only").arg(QLatin1String(property.name())));
    return writeProperty(*object, property, value);
}

Outcome<> storeProperty(MemberSet members, const StoredValue &stored)
{
    const auto [object, index] = propertyOf(members, stored.property);
    if (!object || !object->metaObject()->property(index).isStored())
        return failure(status::memberNotFound,
                       QStringLiteral("%1 is no property its class stores").arg(nameText(stored.property)));
    const QMetaProperty property = object->metaObject()->property(index);
    if (!storedKindFits(stored.value, property.metaType()))
        return failure(status::typeMismatch,
                       QStringLiteral("%1 = %2: not a value of its type, %3")
                           .arg(QLatin1String(property.name()), storedKindText(stored.value),
                                QString::fromLatin1(property.metaType().name())));
    if (madeFrom(*object->metaObject(), property.name()))
        return {};
    if (!property.isWritable())
        return failure(status::readOnlyProperty,
                       QStringLiteral("%1 is read-only: it is stored in the control's record itself")
                           .arg(QLatin1String(property.name())));
    if (const auto *number = std::get_if<std::int32_t>(&stored.value))
        return writeProperty(*object, property, Variant(*number));
    return writeProperty(*object, property, Variant(nameText(std::get<std::string_view>(stored.value))));
}

namespace
{
// Calls the method of that name that takes the given count of arguments, when the object has one; says
// whether it has one of that name at all.
std::optional<Outcome<Variant>> callOn(MemberObject &members, std::string_view name,
                                       std::span<const Variant> arguments, std::size_t given, bool &named,
                                       const ObjectWrapping *objects)
{
    const QMetaObject &meta = *members.metaObject();
    for (int i = QObject::staticMetaObject.methodCount(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        if (!isMemberMethod(method) || !sameName(method.name().constData(), name))
            continue;
        named = true;
        if (static_cast<std::size_t>(method.parameterCount()) != given)
            continue;
        constexpr std::size_t most = 10;
        std::array<QVariant, most> values;
        std::array<QGenericArgument, most> passed;
        for (std::size_t a = 0; a < given; ++a) {
            Outcome<QVariant> converted = toMemberValue(arguments[a], method.parameterMetaType(int(a)));
            if (!converted) {
                Failure why = std::move(converted).failure();
                why.info.description
                    = QStringLiteral("%1, argument %2 (%3): %4")
                          .arg(QLatin1String(method.name()))
                          .arg(a + 1)
                          .arg(QLatin1String(method.parameterNames().value(int(a))), why.info.description);
                return why;
            }
            values[a] = std::move(converted.value());
            passed[a] = QGenericArgument(values[a].metaType().name(), values[a].constData());
        }
        QVariant result(method.returnMetaType());
        const bool returns = method.returnMetaType().id() != QMetaType::Void;
        QGenericReturnArgument returned(returns ? method.typeName() : nullptr,
                                        returns ? result.data() : nullptr);
        if (!method.invoke(&members, Qt::DirectConnection, returned, passed[0], passed[1], passed[2],
                           passed[3], passed[4], passed[5], passed[6], passed[7], passed[8], passed[9]))
            return failure(status::unexpected,
                           QStringLiteral("%1 could not be called with these arguments (the module's "
                                          "description and its method disagree)")
                               .arg(QLatin1String(method.name())));
        if (std::optional<Failure> refused = members.takeRefusal()) {
            refused->info.description
                = QStringLiteral("%1: %2").arg(QLatin1String(method.name()), refused->info.description);
            return *std::move(refused);
        }
        return returns ? fromMemberValue(result, objects, name) : Variant();
    }
    return std::nullopt;
}
} // namespace

Outcome<Variant> callMethod(MemberSet members, std::string_view name, std::span<const Variant> arguments,
                            const ObjectWrapping *objects)
{
    // Trailing omitted arguments are left out, so that a method with optional parameters (declared as
    // overloads with fewer) is found by the count of those given.
    std::size_t given = arguments.size();
    while (given > 0 && arguments[given - 1].isMissing())
        --given;
    bool named = false;
    for (MemberObject *object : members) {
        if (std::optional<Outcome<Variant>> called = callOn(*object, name, arguments, given, named, objects))
            return *std::move(called);
    }
    if (named)
        return failure(status::wrongArgumentCount,
                       QStringLiteral("%1 does not take %2 arguments").arg(nameText(name)).arg(given));
    return noSuchMember(name);
}

std::vector<MemberInfo> describeMembers(const QMetaObject &meta)
{
    std::vector<MemberInfo> all;
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta.propertyCount(); ++i) {
        const QMetaProperty p = meta.property(i);
        MemberInfo info { QString::fromLatin1(p.name()),
                          MemberKind::Property,
                          variantTypeOf(p.metaType()),
                          !p.isWritable(),
                          p.isStored(),
                          {},
                          {} };
        if (p.isEnumType()) {
            const QMetaEnum e = p.enumerator();
            for (int k = 0; k < e.keyCount(); ++k)
                info.enumValues.emplace_back(QString::fromLatin1(e.key(k)), e.value(k));
        }
        all.push_back(std::move(info));
    }
    for (int i = QObject::staticMetaObject.methodCount(); i < meta.methodCount(); ++i) {
        const QMetaMethod m = meta.method(i);
        const bool event = m.methodType() == QMetaMethod::Signal;
        if (!event && !isMemberMethod(m))
            continue;
        // A method with optional parameters is declared once per count of them: its longest form says all.
        if (m.attributes() & QMetaMethod::Cloned)
            continue;
        MemberInfo info { QString::fromLatin1(m.name()),
                          event ? MemberKind::Event : MemberKind::Method,
                          variantTypeOf(m.returnMetaType()),
                          false,
                          false,
                          {},
                          {} };
        const QList<QByteArray> names = m.parameterNames();
        int required = m.parameterCount();
        for (int j = i + 1; j < meta.methodCount(); ++j) {
            const QMetaMethod clone = meta.method(j);
            if ((clone.attributes() & QMetaMethod::Cloned) && clone.name() == m.name())
                required = std::min(required, clone.parameterCount());
        }
        for (int a = 0; a < m.parameterCount(); ++a) {
            const QByteArray typeName = m.parameterTypeName(a);
            info.parameters.push_back({ QString::fromLatin1(names.value(a)),
                                        variantTypeOf(m.parameterMetaType(a)),
                                        typeName.endsWith('&') || typeName.endsWith('*'), a >= required });
        }
        all.push_back(std::move(info));
    }
    return all;
}

std::vector<MemberInfo> describeMembers(const QMetaObject *own, const QMetaObject &common)
{
    if (!own)
        return describeMembers(common);
    std::vector<MemberInfo> all = describeMembers(*own);
    const std::size_t owned = all.size();
    for (MemberInfo &member : describeMembers(common)) {
        const auto named
            = [&](const MemberInfo &m) { return m.name.compare(member.name, Qt::CaseInsensitive) == 0; };
        if (std::none_of(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(owned), named))
            all.push_back(std::move(member));
    }
    return all;
}

std::vector<MemberInfo> describeMembers(const MemberSet &members)
{
    const MemberObject *const *object = members.begin();
    if (members.end() - object == 1)
        return describeMembers(*(*object)->metaObject());
    return describeMembers(object[0]->metaObject(), *object[1]->metaObject());
}

namespace
{
// The types the late-bound calls carry between a program's Variants and a member: an object a member hands
// out or takes is a QObject (the runtime drives it when it is a member object), and a QVariant takes any.
bool drivable(QMetaType type)
{
    if (type.flags() & (QMetaType::IsEnumeration | QMetaType::PointerToQObject))
        return true;
    switch (type.id()) {
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Float:
    case QMetaType::Double:
    case QMetaType::QString:
    case QMetaType::QDateTime:
    case QMetaType::QVariant:
        return true;
    default:
        return false;
    }
}

QString typeText(QMetaType type)
{
    return type.isValid() ? QString::fromLatin1(type.name()) : QStringLiteral("type unknown to Qt");
}
} // namespace

std::optional<QString> undrivableMember(const QMetaObject &description)
{
    for (int i = QObject::staticMetaObject.propertyCount(); i < description.propertyCount(); ++i) {
        const QMetaProperty p = description.property(i);
        if (!drivable(p.metaType()))
            return QStringLiteral("its property %1 is a %2, which a program cannot hold")
                .arg(QLatin1String(p.name()), typeText(p.metaType()));
    }
    for (int i = QObject::staticMetaObject.methodCount(); i < description.methodCount(); ++i) {
        const QMetaMethod m = description.method(i);
        const bool event = m.methodType() == QMetaMethod::Signal;
        if (!event && !isMemberMethod(m))
            continue;
        const QString kind = event ? QStringLiteral("event") : QStringLiteral("method");
        if (!event && m.returnMetaType().id() != QMetaType::Void && !drivable(m.returnMetaType()))
            return QStringLiteral("its method %1 returns a %2, which a program cannot hold")
                .arg(QLatin1String(m.name()), typeText(m.returnMetaType()));
        for (int a = 0; a < m.parameterCount(); ++a) {
            // An event's by-reference arguments arrive as the type they refer to.
            QByteArray typeName = m.parameterTypeName(a);
            if (typeName.endsWith('&'))
                typeName.chop(1);
            const QMetaType type = QMetaType::fromName(typeName);
            if (!drivable(type))
                return QStringLiteral("its %1 %2 takes a %3 as argument %4, which a program cannot hold")
                    .arg(kind, QLatin1String(m.name()), QString::fromLatin1(typeName))
                    .arg(a + 1);
        }
    }
    return std::nullopt;
}

} // namespace qv
