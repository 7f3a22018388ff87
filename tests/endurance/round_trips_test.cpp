// Endurance in one process: many round trips through the showcase window, then every count back where it
// was and resident memory steady. Prints its figures.

#include "runtime/core/string_count.h"
#include "support/program_fixture.h"

#include <QFile>
#include <cstdio>
#include <unistd.h>

namespace qv::test
{
namespace
{

// AddressSanitizer holds freed memory back in quarantine, so resident memory says nothing there; that build
// finds lost memory with LeakSanitizer instead.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool residentMemoryMeansSomething = false;
#elif defined(__has_feature)
constexpr bool residentMemoryMeansSomething = !__has_feature(address_sanitizer);
#else
constexpr bool residentMemoryMeansSomething = true;
#endif

// Resident memory of this process in KiB, from /proc.
long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

class Endurance : public ProgramFixture
{
protected:
    void SetUp() override { start(); }
    void closeFormTrip()
    {
        clickTest([&] { clickCloseForm(); });
    }
    void closeBoxTrip()
    {
        clickTest([&] { closeShowcaseByCloseBox(); });
        settle();
    }
};

TEST_F(Endurance, ThousandsOfRoundTripsLeaveNothingBehind)
{
    constexpr int closeFormTrips = 1000;
    constexpr int closeBoxTrips = 200;
    settle();
    const int form1Refs = form1().refCount();
    const int strings = liveStrings();
    const int controls = probeOf(*runtime_).liveControls();

    long residentAfter50 = 0;
    int trips = 0;
    // One trip in six ends by the close box, so both endings run all through.
    for (int i = 0; i < closeFormTrips + closeBoxTrips; ++i) {
        if (i % 6 == 5)
            closeBoxTrip();
        else
            closeFormTrip();
        ASSERT_TRUE(host_.reports.empty()) << "trip " << i << ": " << qPrintable(host_.reports.front().text);
        if (++trips == 50) {
            settle();
            residentAfter50 = residentKiB();
        }
    }
    closeBoxTrip(); // unload the showcase, so its controls are counted out
    settle();
    const long residentAtEnd = residentKiB();
    std::printf(
        "endurance: %d round trips (%d by Close Form, %d by the close box), showcase loaded %d times; "
        "resident %ld KiB after 50, %ld KiB at the end (%+ld KiB)\n",
        trips, closeFormTrips, closeBoxTrips, loadCountOf(form2()), residentAfter50, residentAtEnd,
        residentAtEnd - residentAfter50);

    EXPECT_EQ(form1().refCount(), form1Refs);
    EXPECT_EQ(form2().refCount(), 2) << "the runtime's and the slot's";
    EXPECT_EQ(liveStrings(), strings);
    EXPECT_EQ(probeOf(*runtime_).liveControls(), controls);
    EXPECT_EQ(loadCountOf(form2()), closeBoxTrips + 1);
    if (residentMemoryMeansSomething) {
        EXPECT_LE(residentAtEnd - residentAfter50, 2048) << "resident memory grew by more than 2 MiB";
    }
}

} // namespace
} // namespace qv::test
