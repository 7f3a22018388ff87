#include "../fake_module.h"

#include <QRect>

namespace qv::test
{

// Describes its class with a property of a type no program can hold.
class UndrivableMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QRect Bounds READ bounds)
public:
    QRect bounds() const { return {}; }
};

class Fake_undrivable final : public RefusingLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "module.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    const QMetaObject *description(QStringView) const override
    {
        return &UndrivableMembers::staticMetaObject;
    }
};

} // namespace qv::test

#include "main.moc"
