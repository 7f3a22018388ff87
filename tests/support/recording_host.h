#pragma once
// A host that records error reports and the end of the run instead of showing a box or exiting.

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

    std::vector<Report> reports;
    std::optional<int> exitStatus;
};

} // namespace qv::test
