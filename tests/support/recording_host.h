#pragma once
// A host that records error reports, message boxes and the end of the run instead of showing a box or
// exiting; it answers each message box as a test tells it.

#include "runtime/core/host.h"

#include <QString>
#include <optional>
#include <vector>

namespace qv::test
{

struct Report {
    QString title;
    QString text;
};

class RecordingHost final : public Host
{
public:
    void showErrorReport(const QString &title, const QString &text) override
    {
        reports.push_back({ title, text });
    }
    void endProcess(int status) override { exitStatus = status; }
    // Records the message box and answers it with `answer`, or leaves it unanswered when that is empty.
    std::optional<MessageAnswer> askMessage(const MessageRequest &request) override
    {
        messages.push_back(request);
        return answer;
    }

    std::vector<Report> reports;
    std::vector<MessageRequest> messages;
    std::optional<MessageAnswer> answer = MessageAnswer::Ok;
    std::optional<int> exitStatus;
};

} // namespace qv::test
