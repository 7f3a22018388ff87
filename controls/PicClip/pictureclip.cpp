#include "pictureclip.h"

#include "controls/interface/checked_block.h"

#include <QWidget>
#include <array>

namespace qv::picclip
{

ControlLibrary::Creation createPictureClip(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int rows = state.integer(u"Rows", 1, 1, 1024);
    const int cols = state.integer(u"Cols", 1, 1, 1024);
    constexpr std::array clipNames { "ClipX", "ClipY", "ClipWidth", "ClipHeight" };
    std::array<int, clipNames.size()> clip {};
    for (std::size_t i = 0; i < clipNames.size(); ++i)
        clip[i] = state.integer(QString::fromLatin1(clipNames[i]), 0, 0, 32767);
    if (!state.ok())
        return { nullptr, state.error() };

    auto *pictureClip = new QObject(&container);
    pictureClip->setProperty("Rows", rows);
    pictureClip->setProperty("Cols", cols);
    for (std::size_t i = 0; i < clipNames.size(); ++i)
        pictureClip->setProperty(clipNames[i], clip[i]);
    return { pictureClip, {} };
}

} // namespace qv::picclip
