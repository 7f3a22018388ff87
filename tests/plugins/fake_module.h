#pragma once
// Test-only control library modules: they go through the real plugin loader, and each is broken in one way.

#include <quorvane/control_library.h>

#include <QWidget>

namespace qv::test
{

// Makes nothing: the way a module answers when it cannot make an instance.
class RefusingLibrary : public QObject, public ControlLibrary
{
public:
    Creation create(QStringView clsid, std::span<const std::byte>, QWidget &) override
    {
        return { nullptr, QStringLiteral("this test module makes no %1").arg(clsid) };
    }
};

} // namespace qv::test
