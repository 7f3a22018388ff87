// Counted references and counted strings: what a handler takes, it gives back.

#include "runtime/core/string_count.h"
#include "runtime/start/standard_runtime.h"
#include "support/named_rows.h"
#include "support/recording_host.h"
#include <quorvane/bstr.h>
#include <quorvane/com_object.h>

#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace qv
{
namespace
{

class Probe final : public ComObject
{
public:
    Probe(Runtime &runtime, bool &destroyed)
        : ComObject(runtime, QStringLiteral("Probe"))
        , destroyed_(destroyed)
    {
    }
    ~Probe() override { destroyed_ = true; }
    QString interfaceName() const override { return QStringLiteral("_Probe"); }

private:
    bool &destroyed_;
};

class CountedReference : public ::testing::Test
{
protected:
    test::RecordingHost host;
    StandardRuntime runtime { host };
};

TEST_F(CountedReference, LastReleaseDestroysTheObject)
{
    bool destroyed = false;
    auto *probe = new Probe(runtime, destroyed);
    {
        ObjRef<Probe> owner(probe);
        {
            ObjRef<Probe> temporary = owner;
            EXPECT_EQ(probe->refCount(), 2);
        }
        EXPECT_EQ(probe->refCount(), 1);
        ObjRef<ComObject> moved(std::move(owner));
        EXPECT_FALSE(owner);
        EXPECT_EQ(probe->refCount(), 1);
    }
    EXPECT_TRUE(destroyed);
}

// Assignments between two references, each holding an object of its own, or of a reference to itself: the
// counts each object is left with (0: it is gone) and which object each reference holds afterwards.
enum class Holds { nothing, first, second };
struct Assignment {
    const char *name;
    bool toItself; // the reference is assigned to from itself, not from the second one
    std::function<void(ObjRef<Probe> &to, ObjRef<Probe> &from)> assign;
    int firstCount;
    int secondCount;
    Holds firstHolds;
    Holds secondHolds;
};
using qv::test::PrintTo;

class ReferenceAssignment : public CountedReference, public ::testing::WithParamInterface<Assignment>
{
};

TEST_P(ReferenceAssignment, ReleasesWhatItReplacesAndKeepsWhatItHolds)
{
    const Assignment &row = GetParam();
    bool firstGone = false, secondGone = false;
    auto *firstObject = new Probe(runtime, firstGone);
    auto *secondObject = new Probe(runtime, secondGone);
    {
        ObjRef<Probe> first(firstObject);
        ObjRef<Probe> second(secondObject);
        row.assign(first, row.toItself ? first : second);

        EXPECT_EQ(firstGone, row.firstCount == 0) << "the first object";
        EXPECT_EQ(secondGone, row.secondCount == 0) << "the second object";
        if (!firstGone) {
            EXPECT_EQ(firstObject->refCount(), row.firstCount) << "the first object";
        }
        if (!secondGone) {
            EXPECT_EQ(secondObject->refCount(), row.secondCount) << "the second object";
        }
        const auto held = [&](const ObjRef<Probe> &ref) {
            return ref.get() == nullptr     ? Holds::nothing
                : ref.get() == firstObject  ? Holds::first
                : ref.get() == secondObject ? Holds::second
                                            : Holds::nothing;
        };
        EXPECT_EQ(held(first), row.firstHolds) << "what the first reference holds";
        EXPECT_EQ(held(second), row.secondHolds) << "what the second reference holds";
    }
    EXPECT_TRUE(firstGone) << "the first object outlives every reference to it";
    EXPECT_TRUE(secondGone) << "the second object outlives every reference to it";
}

INSTANTIATE_TEST_SUITE_P(
    Assignments, ReferenceAssignment,
    ::testing::Values(Assignment { "CopyOverAHeldReference", false,
                                   [](ObjRef<Probe> &to, ObjRef<Probe> &from) { to = from; }, 0, 2,
                                   Holds::second, Holds::second },
                      Assignment { "MoveOverAHeldReference", false,
                                   [](ObjRef<Probe> &to, ObjRef<Probe> &from) { to = std::move(from); }, 0, 1,
                                   Holds::second, Holds::nothing },
                      Assignment { "EmptyOverAHeldReference", false,
                                   [](ObjRef<Probe> &to, ObjRef<Probe> &) { to = ObjRef<Probe>(); }, 0, 1,
                                   Holds::nothing, Holds::second },
                      Assignment { "CopyToItself", true,
                                   [](ObjRef<Probe> &to, ObjRef<Probe> &from) { to = from; }, 1, 1,
                                   Holds::first, Holds::second },
                      Assignment { "MoveToItself", true,
                                   [](ObjRef<Probe> &to, ObjRef<Probe> &from) { to = std::move(from); }, 1, 1,
                                   Holds::first, Holds::second }),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(CountedReference, StringsAreCountedWhileAlive)
{
    const int before = liveStrings();
    {
        BStr a(QStringLiteral("x"));
        BStr b = a;
        BStr c = std::move(a);
        EXPECT_EQ(liveStrings(), before + 3);
    }
    EXPECT_EQ(liveStrings(), before);
}

struct CompareCase {
    const char16_t *left;
    const char16_t *right;
    int expected;
};
void PrintTo(const CompareCase &c, std::ostream *os)
{
    *os << '"' << QString::fromUtf16(c.left).toStdString() << "\" vs \""
        << QString::fromUtf16(c.right).toStdString() << '"';
}

class StringCompare : public ::testing::TestWithParam<CompareCase>
{
};

TEST_P(StringCompare, IsBinary)
{
    EXPECT_EQ(vbaStrCmp(GetParam().left, GetParam().right), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Pairs, StringCompare,
                         ::testing::Values(CompareCase { u"", u"", 0 }, CompareCase { u" ", u"", 1 },
                                           CompareCase { u"", u" ", -1 }, CompareCase { u"a", u"A", 1 },
                                           CompareCase { u"All Good!", u"All Good!", 0 }));

} // namespace
} // namespace qv
