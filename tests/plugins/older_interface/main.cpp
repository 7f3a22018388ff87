#include "../fake_module.h"

namespace qv::test
{

class Fake_older_interface final : public RefusingLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.quorvane.ControlLibrary/1.0" FILE "module.json")
};

} // namespace qv::test

#include "main.moc"
