#include "../fake_module.h"

namespace qv::test
{

class Fake_another_kind final : public RefusingLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.example.Thumbnailer/1.0" FILE "module.json")
};

} // namespace qv::test

#include "main.moc"
