#include "runtime/core/object_private.h"
#include "runtime/core/runtime.h"

namespace qv
{

ObjectPrivate::ObjectPrivate(Runtime &runtime, MemberObject &target, QString whose)
    : runtime_(runtime)
    , target_(&target)
    , whose_(std::move(whose))
{
}

Variant ObjectPrivate::made(Runtime &runtime, MemberObject &object, const QString &whose,
                            std::string_view member)
{
    const QString reached = whose + QLatin1Char('.')
        + QString::fromLatin1(member.data(), static_cast<qsizetype>(member.size()));
    return Variant(ObjRef<ComObject>(new Object(std::make_unique<ObjectPrivate>(runtime, object, reached))));
}

Outcome<MemberObject *> ObjectPrivate::target() const
{
    if (runtime_.hasEnded())
        return failure(status::programEnded, QStringLiteral("The program has ended."));
    if (target_.isNull())
        return failure(status::objectNotSet,
                       QStringLiteral("%1: the object is gone: its item was removed or its control's window "
                                      "was unloaded")
                           .arg(whose_));
    return target_.data();
}

Variant ObjectPrivate::wrap(MemberObject &object, std::string_view member) const
{
    return made(runtime_, object, whose_, member);
}

namespace
{
// A member call's failure, told whose: "Form1.TreeView1 (MSComctlLib.TreeView).Nodes: Add, argument 3 ...".
Status memberFailed(const ObjectPrivate &d, Failure why)
{
    why.info.description = QStringLiteral("%1: %2").arg(d.whose(), why.explanation());
    return d.runtime().statusOf(why);
}
} // namespace

Object::Object(std::unique_ptr<ObjectPrivate> d)
    : ComObject(d->runtime(), d->whose().mid(d->whose().lastIndexOf(QLatin1Char('.')) + 1))
    , d_(std::move(d))
{
}

Object::~Object() = default;

QString Object::interfaceName() const
{
    const Outcome<MemberObject *> target = d_->target();
    if (!target)
        return objectName();
    const QString name = QString::fromLatin1(target.value()->metaObject()->className());
    return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
}

Status Object::get(std::string_view property, Variant &out)
{
    Outcome<MemberObject *> target = d_->target();
    if (!target)
        return d_->runtime().statusOf(std::move(target).failure());
    Outcome<Variant> read = getProperty(*target.value(), property, d_.get());
    if (!read)
        return memberFailed(*d_, std::move(read).failure());
    out = std::move(read).value();
    return d_->runtime().statusOf({});
}

Status Object::put(std::string_view property, const Variant &value)
{
    Outcome<MemberObject *> target = d_->target();
    if (!target)
        return d_->runtime().statusOf(std::move(target).failure());
    if (Outcome<> written = putProperty(*target.value(), property, value); !written)
        return memberFailed(*d_, std::move(written).failure());
    return d_->runtime().statusOf({});
}

Status Object::call(std::string_view method, std::span<const Variant> arguments, Variant &result)
{
    Outcome<MemberObject *> target = d_->target();
    if (!target)
        return d_->runtime().statusOf(std::move(target).failure());
    Outcome<Variant> called = callMethod(*target.value(), method, arguments, d_.get());
    if (!called)
        return memberFailed(*d_, std::move(called).failure());
    result = std::move(called).value();
    return d_->runtime().statusOf({});
}

Status Object::call(std::string_view method, std::initializer_list<Variant> arguments)
{
    Variant ignored;
    return call(method, std::span<const Variant>(arguments.begin(), arguments.size()), ignored);
}

std::vector<MemberInfo> Object::members() const
{
    const Outcome<MemberObject *> target = d_->target();
    return target ? describeMembers(*target.value()->metaObject()) : std::vector<MemberInfo> {};
}

Object *objectOf(const Variant &value)
{
    return dynamic_cast<Object *>(value.toObject());
}

} // namespace qv
