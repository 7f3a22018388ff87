// PICCLP32.OCX: the picture clip control.

#include "clip_members.h"
#include "pictureclip.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <array>

namespace qv::picclip
{

constexpr std::array classes {
    describedClass<ClipMembers, QObject>(library::clsid::PictureClip, createPictureClip),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class PicClipLibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "PICCLP32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    PicClipLibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::picclip

#include "main.moc"
