// The tabbed dialog module: tabs named from the saved state, malformed blocks refused.

#include "support/control_module_cases.h"

#include <QTabWidget>

namespace qv::test
{
namespace
{

constexpr auto ssTab = manifestClassId("TabDlg.SSTab");

TEST(TabDlgModule, NamesTabsFromTheSavedState)
{
    constexpr auto block = settings::makeBlock<186>(
        8281, 979,
        std::array { Property::integer("Tabs", 3), Property::string("TabCaption(0)", "Tab 0"),
                     Property::string("TabCaption(1)", "Tab 1"),
                     Property::string("TabCaption(2)", "Tab 2") });
    QWidget container;
    auto *tabs = madeChild<QTabWidget>(create("tabctl32", ssTab, block, container), container);
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Tab 2"));
}

TEST(TabDlgModule, RefusesAMalformedBlockAndAnUnknownClass)
{
    constexpr auto badCount = settings::makeBlock<64>(100, 100, std::array { Property::integer("Tabs", 99) });
    const MalformedBlock refused[] = {
        { "TooManyTabs", ssTab, badCount, "Tabs" },
        { "CutInTheHead", ssTab, headCutShort(8), "16-byte head" },
        { "UnknownClass", unknownClass, badCount, "TABCTL32.OCX has no class" },
    };
    for (const MalformedBlock &row : refused) {
        SCOPED_TRACE(row.name);
        expectRefused("tabctl32", row);
    }
}

} // namespace
} // namespace qv::test
