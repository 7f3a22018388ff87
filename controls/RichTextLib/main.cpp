// RICHTX32.OCX: the rich text box.

#include "richtextbox.h"
#include "richtextbox_members.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <QTextEdit>
#include <array>

namespace qv::richtextlib
{

constexpr std::array classes {
    describedClass<RichTextBoxMembers, QTextEdit>(library::clsid::RichTextBox, createRichTextBox),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class RichTextLibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "RICHTX32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    RichTextLibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::richtextlib

#include "main.moc"
