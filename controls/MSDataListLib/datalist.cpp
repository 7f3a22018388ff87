#include "datalist.h"

#include "controls/interface/settings_block.h"

#include <QListWidget>

namespace qv::msdatalist
{

ControlLibrary::Creation createDataList(std::span<const std::byte> settings, QWidget &container)
{
    settings::Block block;
    QString error;
    if (!settings::readBlock(settings, block, error))
        return { nullptr, error };
    return { new QListWidget(&container), {} };
}

} // namespace qv::msdatalist
