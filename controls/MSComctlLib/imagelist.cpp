#include "imagelist.h"

#include "controls/interface/checked_block.h"

#include <QWidget>

namespace qv::mscomctl
{

ControlLibrary::Creation createImageList(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int width = state.integer(u"ImageWidth", 16, 1, largestImage);
    const int height = state.integer(u"ImageHeight", 16, 1, largestImage);
    if (!state.ok())
        return { nullptr, state.error() };

    auto *imageList = new QObject(&container);
    imageList->setProperty("ImageWidth", width);
    imageList->setProperty("ImageHeight", height);
    return { imageList, {} };
}

} // namespace qv::mscomctl
