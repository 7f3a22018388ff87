// How statuses read in a report.

#include <quorvane/status.h>

#include <gtest/gtest.h>
#include <ostream>

namespace qv
{
namespace
{

struct StatusCase {
    Status status;
    const char *number;
    const char *description;
};
void PrintTo(const StatusCase &c, std::ostream *os)
{
    *os << c.number;
}

class StatusText : public ::testing::TestWithParam<StatusCase>
{
};

TEST_P(StatusText, ReadsAsTheUserSeesIt)
{
    EXPECT_EQ(errorNumberText(GetParam().status), QLatin1String(GetParam().number));
    EXPECT_EQ(describeStatus(GetParam().status), QLatin1String(GetParam().description));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, StatusText,
    ::testing::Values(
        StatusCase { status::cannotCreateObject, "429", "ActiveX component can't create object" },
        StatusCase { status::objectUnloaded, "364", "Object was unloaded" },
        StatusCase { status::fileNotFound, "53", "File not found" },
        StatusCase { status::deviceUnavailable, "68", "Device unavailable" },
        StatusCase { status::pathNotFound, "76", "Path not found" },
        StatusCase { status::invalidPicture, "481", "Invalid picture" },
        StatusCase { status::objectNotSet, "91", "Object variable or With block variable not set" },
        StatusCase { status::fail, "-2147467259 (80004005)", "Unspecified error" },
        StatusCase { static_cast<Status>(0x800A03E7u), "999", "Application-defined or object-defined error" },
        StatusCase { static_cast<Status>(0x80041234u), "-2147216844 (80041234)", "Automation error" }));

} // namespace
} // namespace qv
