#include "mapimessages.h"

#include "controls/interface/checked_block.h"

#include <QWidget>

namespace qv::msmapi
{

ControlLibrary::Creation createMAPIMessages(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int editFieldCount = state.integer(u"AddressEditFieldCount", 1, 0, 4);
    const QString addressCaption = state.text(u"AddressCaption", {});
    const bool addressModifiable = state.flag(u"AddressModifiable", false);
    const bool addressResolveUI = state.flag(u"AddressResolveUI", false);
    const bool fetchSorted = state.flag(u"FetchSorted", false);
    const bool fetchUnreadOnly = state.flag(u"FetchUnreadOnly", true);
    if (!state.ok())
        return { nullptr, state.error() };

    auto *messages = new QObject(&container);
    messages->setProperty("AddressEditFieldCount", editFieldCount);
    messages->setProperty("AddressCaption", addressCaption);
    messages->setProperty("AddressModifiable", addressModifiable);
    messages->setProperty("AddressResolveUI", addressResolveUI);
    messages->setProperty("FetchSorted", fetchSorted);
    messages->setProperty("FetchUnreadOnly", fetchUnreadOnly);
    return { messages, {} };
}

} // namespace qv::msmapi
