// MSMAPI32.OCX: the mail session and message controls.

#include "mapi_members.h"
#include "mapimessages.h"
#include "mapisession.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <array>

namespace qv::msmapi
{

constexpr std::array classes {
    describedClass<MAPISessionMembers, QObject>(library::clsid::MAPISession, createMAPISession),
    describedClass<MAPIMessagesMembers, QObject>(library::clsid::MAPIMessages, createMAPIMessages),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class MSMAPILibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSMAPI32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    MSMAPILibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::msmapi

#include "main.moc"
