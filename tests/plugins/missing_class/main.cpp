#include "../fake_module.h"

namespace qv::test
{

class Fake_missing_class final : public RefusingLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "module.json")
    Q_INTERFACES(qv::ControlLibrary)
};

} // namespace qv::test

#include "main.moc"
