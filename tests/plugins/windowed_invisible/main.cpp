#include "../fake_module.h"

#include <QWidget>

namespace qv::test
{

// Hands back a widget for a class that has no window.
class Fake_windowed_invisible final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "module.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView, std::span<const std::byte>, QWidget &container) override
    {
        return { new QWidget(&container), {} };
    }
};

} // namespace qv::test

#include "main.moc"
