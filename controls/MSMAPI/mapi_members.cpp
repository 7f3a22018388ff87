#include "mapi_members.h"

namespace qv::msmapi
{

void SavedStateMembers::refuseMail()
{
    refuse(status::deviceUnavailable,
           QStringLiteral(
               "no mail system on this machine: no mail service is installed for a program to sign on "
               "to, send or fetch mail through"));
}

void MAPISessionMembers::SignOn()
{
    refuseMail();
}

void MAPISessionMembers::SignOff()
{
    refuse(status::invalidProcedureCall, QStringLiteral("no session is signed on (SessionID is 0)"));
}

void MAPIMessagesMembers::setAddressEditFieldCount(int count)
{
    if (count < 0 || count > 4)
        return refuse(status::invalidPropertyValue, QStringLiteral("the count of address fields is 0 to 4"));
    save("AddressEditFieldCount", count);
}

void MAPIMessagesMembers::setMsgIndex(int index)
{
    if (index != -1)
        refuse(status::invalidPropertyValue,
               QStringLiteral(
                   "only -1, the message being composed, is there: no mail was fetched (MsgCount is 0)"));
}

void MAPIMessagesMembers::setRecipIndex(int index)
{
    if (index < 0 || index > recipCount())
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("the recipient is 0 to %1 (RecipCount, a new one)").arg(recipCount()));
    recipIndex_ = index;
}

MAPIMessagesMembers::Recipient MAPIMessagesMembers::recipient() const
{
    return recipIndex_ < recipCount() ? recipients_[static_cast<std::size_t>(recipIndex_)] : Recipient {};
}

MAPIMessagesMembers::Recipient &MAPIMessagesMembers::chosenRecipient()
{
    if (recipIndex_ == recipCount())
        recipients_.emplace_back();
    return recipients_[static_cast<std::size_t>(recipIndex_)];
}

void MAPIMessagesMembers::Compose()
{
    subject_.clear();
    noteText_.clear();
    recipients_.clear();
    recipIndex_ = 0;
}

void MAPIMessagesMembers::Send(bool)
{
    refuseMail();
}

void MAPIMessagesMembers::Fetch()
{
    refuseMail();
}

} // namespace qv::msmapi
