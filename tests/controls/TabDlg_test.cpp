// The tabbed dialog module: tabs named from the saved state, malformed blocks refused.

#include "controls/interface/settings_block.h"
#include "support/control_module.h"

#include <QTabWidget>
#include <memory>

namespace qv::test
{
namespace
{

constexpr QStringView ssTab = u"{BDC217C5-ED16-11CD-956C-0000C04E4C0A}";

TEST(TabDlgModule, NamesTabsFromTheSavedState)
{
    constexpr auto block
        = settings::makeBlock<186>(8281, 979,
                                   std::array { settings::Property::integer("Tabs", 3),
                                                settings::Property::string("TabCaption(0)", "Tab 0"),
                                                settings::Property::string("TabCaption(1)", "Tab 1"),
                                                settings::Property::string("TabCaption(2)", "Tab 2") });
    QWidget container;
    ControlLibrary::Creation made = loadModule("tabctl32")->create(ssTab, block, container);
    ASSERT_NE(made.object, nullptr) << qPrintable(made.error);
    auto *tabs = qobject_cast<QTabWidget *>(made.object);
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Tab 2"));
}

TEST(TabDlgModule, RefusesAMalformedBlockAndAnUnknownClass)
{
    constexpr auto badCount
        = settings::makeBlock<64>(100, 100, std::array { settings::Property::integer("Tabs", 99) });
    const std::array<std::byte, 8> cut {};
    QWidget container;
    ControlLibrary *library = loadModule("tabctl32");
    EXPECT_TRUE(library->create(ssTab, badCount, container).error.contains(QStringLiteral("Tabs")));
    EXPECT_TRUE(library->create(ssTab, cut, container).error.contains(QStringLiteral("16-byte head")));
    EXPECT_EQ(library->create(u"{00000000-0000-0000-0000-000000000000}", badCount, container).object,
              nullptr);
    EXPECT_TRUE(container.children().isEmpty());
}

} // namespace
} // namespace qv::test
