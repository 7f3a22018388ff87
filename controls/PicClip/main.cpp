// PICCLP32.OCX: the picture clip control.

#include "pictureclip.h"

#include "controls/interface/class_table.h"

#include <array>

namespace qv::picclip
{

constexpr std::array classes {
    ClassFactory { u"{27395F85-0C0C-101B-A3C9-08002B2F49FB}", createPictureClip },
};

class PicClipLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "PICCLP32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"PICCLP32.OCX", clsid, settings, container);
    }
};

} // namespace qv::picclip

#include "main.moc"
