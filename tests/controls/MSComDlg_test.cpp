// The common dialog module: an invisible object with its dialog settings, which shows no dialog;
// malformed blocks refused.

#include "controls/interface/settings_block.h"
#include "support/control_module.h"

#include <QVariant>
#include <string>
#include <utility>
#include <vector>

namespace qv::test
{
namespace
{

constexpr QStringView commonDialog = u"{F9043C85-F6F2-101A-A3C9-08002B2F49FB}";
using settings::Property;

// A block as the form stores it for an invisible instance: the design-time icon's size, then the state.
template<std::size_t P>
std::vector<std::byte> blockOf(const std::array<Property, P> &state, std::int32_t iconSize = 847)
{
    const auto block = settings::makeBlock<256>(iconSize, iconSize, state);
    return { block.begin(), block.end() };
}

template<class Row> std::string nameOf(const ::testing::TestParamInfo<Row> &row)
{
    return row.param.name;
}

struct MadeObject {
    const char *name;
    QStringView clsid;
    std::vector<std::byte> block;
    std::vector<std::pair<const char *, QVariant>> properties;
};

void PrintTo(const MadeObject &row, std::ostream *out)
{
    *out << row.name;
}

struct BadBlock {
    const char *name;
    QStringView clsid;
    std::vector<std::byte> block;
    const char *fault;
};

void PrintTo(const BadBlock &row, std::ostream *out)
{
    *out << row.name;
}

std::vector<MadeObject> madeObjects()
{
    const auto stored = settings::makeBlock<76>(847, 847, std::array { Property::integer("CancelError", 0) });
    return {
        { "StoredBlock",
          commonDialog,
          { stored.begin(), stored.end() },
          { { "CancelError", false },
            { "DialogTitle", QString() },
            { "Filter", QString() },
            { "FilterIndex", 0 },
            { "Flags", 0 } } },
        { "FilteredOpen",
          commonDialog,
          blockOf(std::array { Property::integer("CancelError", 1), Property::string("DialogTitle", "Open"),
                               Property::string("Filter", "Text (*.txt)|*.txt|All files|*.*"),
                               Property::integer("FilterIndex", 2), Property::integer("Flags", 4096) }),
          { { "CancelError", true },
            { "DialogTitle", QStringLiteral("Open") },
            { "Filter", QStringLiteral("Text (*.txt)|*.txt|All files|*.*") },
            { "FilterIndex", 2 },
            { "Flags", 4096 } } },
    };
}

std::vector<BadBlock> badBlocks()
{
    return {
        { "CancelErrorNotAFlag", commonDialog, blockOf(std::array { Property::integer("CancelError", -1) }),
          "CancelError is -1" },
        { "FilterWithoutPattern", commonDialog,
          blockOf(std::array { Property::string("Filter", "Text|*.txt|All") }),
          "is not pairs of description and pattern" },
        { "FilterWithEmptyPattern", commonDialog,
          blockOf(std::array { Property::string("Filter", "Text| ") }),
          "is not pairs of description and pattern" },
        { "FilterIndexPastTheFilter", commonDialog,
          blockOf(
              std::array { Property::string("Filter", "Text|*.txt"), Property::integer("FilterIndex", 2) }),
          "FilterIndex is 2, but Filter has 1 pair(s)" },
        { "FilterIndexWithoutFilter", commonDialog,
          blockOf(std::array { Property::integer("FilterIndex", 1) }), "Filter has 0 pair(s)" },
        { "FlagsNegative", commonDialog, blockOf(std::array { Property::integer("Flags", -2) }),
          "Flags is -2" },
        { "HeadCutShort", commonDialog, std::vector<std::byte>(10), "16-byte head" },
        { "UnknownClass", u"{00000000-0000-0000-0000-000000000000}", blockOf(std::array<Property, 0> {}),
          "COMDLG32.OCX has no class" },
    };
}

class MSComDlgObject : public ::testing::TestWithParam<MadeObject>
{
};

TEST_P(MSComDlgObject, HoldsItsSavedStateAndIsNoWidget)
{
    const MadeObject &row = GetParam();
    QWidget container;
    ControlLibrary::Creation made = loadModule("comdlg32")->create(row.clsid, row.block, container);
    ASSERT_NE(made.object, nullptr) << qPrintable(made.error);
    EXPECT_FALSE(made.object->isWidgetType());
    EXPECT_EQ(made.object->parent(), &container);
    for (const auto &[property, expected] : row.properties) {
        const QVariant actual = made.object->property(property);
        EXPECT_EQ(actual, expected) << property << " is " << qPrintable(actual.toString());
    }
}

INSTANTIATE_TEST_SUITE_P(SavedStates, MSComDlgObject, ::testing::ValuesIn(madeObjects()), nameOf<MadeObject>);

class MSComDlgBadBlock : public ::testing::TestWithParam<BadBlock>
{
};

TEST_P(MSComDlgBadBlock, IsRefusedWithItsFault)
{
    const BadBlock &row = GetParam();
    QWidget container;
    ControlLibrary::Creation made = loadModule("comdlg32")->create(row.clsid, row.block, container);
    EXPECT_EQ(made.object, nullptr);
    EXPECT_TRUE(made.error.contains(QLatin1String(row.fault))) << qPrintable(made.error);
    EXPECT_TRUE(container.children().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Blocks, MSComDlgBadBlock, ::testing::ValuesIn(badBlocks()), nameOf<BadBlock>);

} // namespace
} // namespace qv::test
