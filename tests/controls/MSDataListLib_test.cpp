// The data list module: an empty list box and a combo box showing its saved text, malformed blocks refused.

#include "controls/interface/settings_block.h"
#include "support/control_module.h"

#include <QComboBox>
#include <QListWidget>
#include <vector>

namespace qv::test
{
namespace
{

using settings::Property;
using Bytes = std::vector<std::byte>;

constexpr QStringView dataList = u"{F0D2F219-CCB0-11D0-A316-00AA00688B10}";
constexpr QStringView dataCombo = u"{F0D2F21C-CCB0-11D0-A316-00AA00688B10}";

template<std::size_t P> Bytes comboBlock(const std::array<Property, P> &state)
{
    const auto block
        = settings::makeBlock<130>(settings::twipsToHimetric(2055), settings::twipsToHimetric(315), state);
    return { block.begin(), block.end() };
}

const Bytes dataCombo1 = comboBlock(std::array { Property::string("Text", "DataCombo1") });

Bytes listBlock()
{
    const auto block = settings::makeBlock<108>(settings::twipsToHimetric(2055),
                                                settings::twipsToHimetric(1425), std::array<Property, 0> {});
    return { block.begin(), block.end() };
}

// Names each row of a data-driven test after its name field.
template<class Row> std::string nameOfRow(const ::testing::TestParamInfo<Row> &row)
{
    return row.param.name;
}

TEST(MSDataListLibList, IsAnEmptyListBox)
{
    QWidget container;
    const ControlLibrary::Creation made = loadModule("msdatlst")->create(dataList, listBlock(), container);
    ASSERT_NE(made.object, nullptr) << qPrintable(made.error);
    auto *list = qobject_cast<QListWidget *>(made.object);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->parent(), &container);
    EXPECT_EQ(list->count(), 0);
}

struct ComboCase {
    const char *name;
    Bytes block;
    bool editable;
    const char *shown;
};

void PrintTo(const ComboCase &row, std::ostream *out)
{
    *out << row.name;
}

class MSDataListLibCombos : public ::testing::TestWithParam<ComboCase>
{
};

TEST_P(MSDataListLibCombos, ShowTheSavedTextInAnEmptyList)
{
    const ComboCase &expected = GetParam();
    QWidget container;
    const ControlLibrary::Creation made
        = loadModule("msdatlst")->create(dataCombo, expected.block, container);
    ASSERT_NE(made.object, nullptr) << qPrintable(made.error);
    auto *combo = qobject_cast<QComboBox *>(made.object);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->parent(), &container);
    EXPECT_EQ(combo->count(), 0);
    EXPECT_EQ(combo->isEditable(), expected.editable);
    EXPECT_EQ(combo->currentText(), QLatin1String(expected.shown));
}

INSTANTIATE_TEST_SUITE_P(
    SavedStates, MSDataListLibCombos,
    ::testing::Values(ComboCase { "DataCombo1", dataCombo1, true, "DataCombo1" },
                      ComboCase { "NothingStored", comboBlock(std::array<Property, 0> {}), true, "" },
                      ComboCase { "SimpleCombo",
                                  comboBlock(std::array { Property::integer("Style", 1),
                                                          Property::string("Text", "Pick") }),
                                  true, "Pick" },
                      ComboCase { "DropDownListHasNoEditBox",
                                  comboBlock(std::array { Property::integer("Style", 2),
                                                          Property::string("Text", "Pick") }),
                                  false, "" }),
    nameOfRow<ComboCase>);

struct Fault {
    const char *name;
    QStringView clsid;
    Bytes block;
    const char *named; // what the message must name
};

void PrintTo(const Fault &row, std::ostream *out)
{
    *out << row.name;
}

Bytes withWrongMarker(Bytes block)
{
    block[0] = std::byte { 0x00 };
    return block;
}

Bytes cutTo(const Bytes &block, std::size_t length)
{
    return { block.begin(), block.begin() + static_cast<std::ptrdiff_t>(length) };
}

class MSDataListLibFaults : public ::testing::TestWithParam<Fault>
{
};

TEST_P(MSDataListLibFaults, GiveNoControlAndAMessageNamingTheFault)
{
    const Fault &fault = GetParam();
    QWidget container;
    const ControlLibrary::Creation made = loadModule("msdatlst")->create(fault.clsid, fault.block, container);
    EXPECT_EQ(made.object, nullptr);
    EXPECT_TRUE(made.error.contains(QLatin1String(fault.named))) << qPrintable(made.error);
    EXPECT_TRUE(container.children().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    MalformedBlocks, MSDataListLibFaults,
    ::testing::Values(Fault { "ListWithWrongMarker", dataList, withWrongMarker(listBlock()), "marker" },
                      Fault { "ListCutInTheHead", dataList, cutTo(listBlock(), 15), "16-byte head" },
                      Fault { "ComboWithWrongMarker", dataCombo, withWrongMarker(dataCombo1), "marker" },
                      Fault { "ComboCutInTheState", dataCombo, cutTo(dataCombo1, 30), "runs past the end" },
                      Fault { "ComboStyleUnknown", dataCombo,
                              comboBlock(std::array { Property::integer("Style", 3) }), "Style is 3" },
                      Fault { "ComboTextAsNumber", dataCombo,
                              comboBlock(std::array { Property::integer("Text", 1) }),
                              "Text is stored as a number" },
                      Fault { "UnknownClass", u"{00000000-0000-0000-0000-000000000000}", dataCombo1,
                              "MSDATLST.OCX has no class" }),
    nameOfRow<Fault>);

} // namespace
} // namespace qv::test
