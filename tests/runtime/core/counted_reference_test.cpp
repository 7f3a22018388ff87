// Counted references and counted strings: what a handler takes, it gives back.

#include "runtime/core/string_count.h"
#include "runtime/start/standard_runtime.h"
#include "support/recording_host.h"
#include <quorvane/bstr.h>
#include <quorvane/com_object.h>

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
