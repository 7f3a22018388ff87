#include "datalist.h"

#include "controls/interface/checked_block.h"

#include <QListWidget>

namespace qv::msdatalist
{

ControlLibrary::Creation createDataList(std::span<const std::byte> settings, QWidget &container)
{
    const settings::CheckedBlock state(settings);
    if (!state.ok())
        return { nullptr, state.error() };
    return { new QListWidget(&container), {} };
}

} // namespace qv::msdatalist
