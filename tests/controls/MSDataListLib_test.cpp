// The data list module: an empty list box and a combo box showing its saved text, malformed blocks refused.

#include "support/control_module_cases.h"

#include <QComboBox>
#include <QListWidget>

namespace qv::test
{
namespace
{

constexpr auto dataList = manifestClassId("MSDataListLib.DataList");
constexpr auto dataCombo = manifestClassId("MSDataListLib.DataCombo");
constexpr BlockBuilder<130> comboBlock { settings::twipsToHimetric(2055), settings::twipsToHimetric(315) };
constexpr auto listBlock
    = settings::makeBlock<108>(settings::twipsToHimetric(2055), settings::twipsToHimetric(1425), noState);

const Bytes dataCombo1 = comboBlock(std::array { Property::string("Text", "DataCombo1") });

TEST(MSDataListLibList, IsAnEmptyListBox)
{
    QWidget container;
    auto *list = madeChild<QListWidget>(create("msdatlst", dataList, listBlock, container), container);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 0);
}

struct ComboCase {
    const char *name;
    Bytes block;
    bool editable;
    const char *shown;
};

using test::PrintTo;

class MSDataListLibCombos : public ::testing::TestWithParam<ComboCase>
{
};

TEST_P(MSDataListLibCombos, ShowTheSavedTextInAnEmptyList)
{
    const ComboCase &expected = GetParam();
    QWidget container;
    auto *combo = madeChild<QComboBox>(create("msdatlst", dataCombo, expected.block, container), container);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->isEditable(), expected.editable);
    EXPECT_EQ(combo->currentText(), QLatin1String(expected.shown));
}

INSTANTIATE_TEST_SUITE_P(
    SavedStates, MSDataListLibCombos,
    ::testing::Values(ComboCase { "DataCombo1", dataCombo1, true, "DataCombo1" },
                      ComboCase { "NothingStored", comboBlock(noState), true, "" },
                      ComboCase { "SimpleCombo",
                                  comboBlock(std::array { Property::integer("Style", 1),
                                                          Property::string("Text", "Pick") }),
                                  true, "Pick" },
                      ComboCase { "DropDownListHasNoEditBox",
                                  comboBlock(std::array { Property::integer("Style", 2),
                                                          Property::string("Text", "Pick") }),
                                  false, "" }),
    rowName);

using MSDataListLibFaults = MalformedBlockTest;
TEST_P(MSDataListLibFaults, GiveNoControlAndAMessageNamingTheFault)
{
    expectRefused("msdatlst", GetParam());
}
INSTANTIATE_TEST_SUITE_P(
    MalformedBlocks, MSDataListLibFaults,
    ::testing::Values(
        MalformedBlock { "ListWithWrongMarker", dataList, withWrongMarker(listBlock), "marker" },
        MalformedBlock { "ListCutInTheHead", dataList, cutTo(listBlock, 15), "16-byte head" },
        MalformedBlock { "ComboWithWrongMarker", dataCombo, withWrongMarker(dataCombo1), "marker" },
        MalformedBlock { "ComboCutInTheState", dataCombo, cutTo(dataCombo1, 30), "runs past the end" },
        MalformedBlock { "ComboStyleUnknown", dataCombo,
                         comboBlock(std::array { Property::integer("Style", 3) }), "Style is 3" },
        MalformedBlock { "ComboTextAsNumber", dataCombo,
                         comboBlock(std::array { Property::integer("Text", 1) }), "Text holds a number" },
        MalformedBlock { "UnknownClass", unknownClass, dataCombo1, "MSDATLST.OCX has no class" }),
    rowName);

} // namespace
} // namespace qv::test
