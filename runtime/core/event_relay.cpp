#include "runtime/core/event_relay.h"
#include "runtime/core/late_binding.h"

#include <vector>

namespace qv
{

namespace
{
// The type a parameter holds, a reference's included: "short&" holds a short.
QMetaType heldType(const QMetaMethod &signal, int index, bool &byReference)
{
    QByteArray name = signal.parameterTypeName(index);
    byReference = name.endsWith('&');
    if (byReference)
        name.chop(1);
    return QMetaType::fromName(name);
}
} // namespace

EventRelay::EventRelay(MemberObject &source, QMetaMethod signal, Deliver deliver,
                       std::shared_ptr<const ObjectWrapping> objects)
    : QObject(&source)
    , signal_(std::move(signal))
    , deliver_(std::move(deliver))
    , objects_(std::move(objects))
{
    // The relay's one "slot" is the first method after QObject's own, which qt_metacall answers.
    QMetaObject::connect(&source, signal_.methodIndex(), this, QObject::staticMetaObject.methodCount(),
                         Qt::DirectConnection);
}

QMetaMethod EventRelay::eventNamed(const QMetaObject &meta, std::string_view name)
{
    const QString asked = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    for (int i = QObject::staticMetaObject.methodCount(); i < meta.methodCount(); ++i) {
        const QMetaMethod m = meta.method(i);
        if (m.methodType() == QMetaMethod::Signal && !(m.attributes() & QMetaMethod::Cloned)
            && asked.compare(QLatin1String(m.name()), Qt::CaseInsensitive) == 0)
            return m;
    }
    return {};
}

std::pair<MemberObject *, QMetaMethod> EventRelay::eventOf(MemberSet members, std::string_view name)
{
    for (MemberObject *object : members) {
        if (const QMetaMethod signal = eventNamed(*object->metaObject(), name); signal.isValid())
            return { object, signal };
    }
    return { nullptr, {} };
}

int EventRelay::qt_metacall(QMetaObject::Call call, int id, void **args)
{
    id = QObject::qt_metacall(call, id, args);
    if (id < 0 || call != QMetaObject::InvokeMetaMethod)
        return id;
    if (id == 0)
        relay(args);
    return id - 1;
}

void EventRelay::relay(void **args)
{
    // The handler may unload the form, and this relay with it: what the read-back needs is kept here.
    const QMetaMethod signal = signal_;
    const Deliver deliver = deliver_;
    const std::shared_ptr<const ObjectWrapping> objects = objects_;
    const QList<QByteArray> names = signal.parameterNames();
    const int count = signal.parameterCount();
    std::vector<Variant> values;
    values.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        bool byReference = false;
        const QMetaType type = heldType(signal, i, byReference);
        values.push_back(
            fromMemberValue(QVariant(type, args[i + 1]), objects.get(), names.value(i).toStdString()));
    }
    deliver(values);
    for (int i = 0; i < count; ++i) {
        bool byReference = false;
        const QMetaType type = heldType(signal, i, byReference);
        if (!byReference)
            continue;
        // A value the handler left that the argument cannot hold leaves the argument as it was.
        if (Outcome<QVariant> back = toMemberValue(values[static_cast<std::size_t>(i)], type)) {
            type.destruct(args[i + 1]);
            type.construct(args[i + 1], back.value().constData());
        }
    }
}

} // namespace qv
