// RICHTX32.OCX: the rich text box.

#include "richtextbox.h"

#include "controls/interface/class_table.h"

#include <array>

namespace qv::richtextlib
{

constexpr std::array classes { ClassFactory { u"{3B7C8860-D78F-101B-B9B5-04021C009402}",
                                              createRichTextBox } };

class RichTextLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "RICHTX32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"RICHTX32.OCX", clsid, settings, container);
    }
};

} // namespace qv::richtextlib

#include "main.moc"
