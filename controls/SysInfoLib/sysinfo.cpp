#include "sysinfo.h"

#include "controls/interface/checked_block.h"

#include <QWidget>

namespace qv::sysinfolib
{

ControlLibrary::Creation createSysInfo(std::span<const std::byte> settings, QWidget &container)
{
    const settings::CheckedBlock state(settings);
    if (!state.ok())
        return { nullptr, state.error() };
    return { new QObject(&container), {} };
}

} // namespace qv::sysinfolib
