#include "../fake_module.h"

int fakeDependencyAnswer();

namespace qv::test
{

// Needs a shared library that the loader will not find.
class Fake_needs_dependency final : public RefusingLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "module.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Fake_needs_dependency() { setProperty("answer", fakeDependencyAnswer()); }
};

} // namespace qv::test

#include "main.moc"
