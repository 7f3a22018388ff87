#include "../fake_module.h"

namespace qv::test
{

// Built once per control library, each time with that library's own metadata less one class (the
// module.json on the include path, written by CMake).
class Fake_without_a_class final : public RefusingLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "module.json")
    Q_INTERFACES(qv::ControlLibrary)
};

} // namespace qv::test

#include "main.moc"
