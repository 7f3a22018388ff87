#include "sysinfo.h"

#include "controls/interface/settings_block.h"

namespace qv::sysinfolib
{

ControlLibrary::Creation createSysInfo(std::span<const std::byte> settings, QWidget &container)
{
    settings::Block block;
    QString error;
    if (!settings::readBlock(settings, block, error))
        return { nullptr, error };
    return { new QObject(&container), {} };
}

} // namespace qv::sysinfolib
