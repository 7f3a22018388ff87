// The showcase window's stored-settings blocks: their stored lengths and heads.

#include "controls/interface/settings_block.h"
#include "windows/showcase/form2_layout.h"

#include <gtest/gtest.h>
#include <ostream>

namespace qv
{
namespace
{

const ControlRecord &record(std::string_view name)
{
    for (const ControlRecord &r : form2Layout().controls) {
        if (r.name == name)
            return r;
    }
    throw std::runtime_error("no record " + std::string(name));
}

struct StoredBlock {
    const char *name;
    std::size_t length;
    std::int32_t extentX;
    std::int32_t extentY;
};
void PrintTo(const StoredBlock &b, std::ostream *os)
{
    *os << b.name;
}

class ShowcaseBlock : public ::testing::TestWithParam<StoredBlock>
{
};

TEST_P(ShowcaseBlock, HasItsStoredLengthAndHead)
{
    const auto bytes = record(GetParam().name).settings;
    EXPECT_EQ(bytes.size(), GetParam().length);
    settings::Block block;
    QString error;
    ASSERT_TRUE(settings::readBlock(bytes, block, error)) << qPrintable(error);
    EXPECT_EQ(block.extentX, GetParam().extentX);
    EXPECT_EQ(block.extentY, GetParam().extentY);
}

INSTANTIATE_TEST_SUITE_P(
    Records, ShowcaseBlock,
    ::testing::Values(
        StoredBlock { "MSHFlexGrid1", 334, 4683, 4154 }, StoredBlock { "MonthView1", 160, 4763, 4180 },
        StoredBlock { "Adodc1", 172, 7435, 582 }, StoredBlock { "DataCombo1", 130, 3625, 556 },
        StoredBlock { "DataList1", 108, 3625, 2514 }, StoredBlock { "DataGrid1", 404, 6588, 1931 },
        StoredBlock { "MaskEdBox1", 72, 3625, 556 }, StoredBlock { "MSComm1", 60, 1005, 1005 },
        StoredBlock { "SysInfo1", 16, 1005, 1005 }, StoredBlock { "PictureClip1", 36, 1508, 1296 },
        StoredBlock { "MMControl1", 96, 7514, 1111 }, StoredBlock { "MAPIMessages1", 800, 1005, 1005 },
        StoredBlock { "MAPISession1", 540, 1005, 1005 }, StoredBlock { "Winsock1", 40, 741, 741 },
        StoredBlock { "MSChart1", 9022, 3836, 2778 }, StoredBlock { "RichTextBox1", 212, 5530, 2249 },
        StoredBlock { "Inet1", 58, 1005, 1005 }, StoredBlock { "FlatScrollBar1", 92, 7223, 556 },
        StoredBlock { "DTPicker1", 128, 5530, 556 }, StoredBlock { "UpDown1", 84, 423, 2884 },
        StoredBlock { "Animation1", 40, 1508, 1296 }, StoredBlock { "ImageCombo1", 106, 5530, 582 },
        StoredBlock { "Slider1", 116, 5318, 450 }, StoredBlock { "ImageList1", 76, 1005, 1005 },
        StoredBlock { "ListView1", 98, 3413, 2990 }, StoredBlock { "TreeView1", 90, 3201, 2990 },
        StoredBlock { "ProgressBar1", 80, 3413, 767 }, StoredBlock { "StatusBar1", 104, 23865, 873 },
        StoredBlock { "Toolbar1", 104, 23865, 1111 }, StoredBlock { "TabStrip1", 106, 3201, 661 },
        StoredBlock { "CommonDialog1", 76, 847, 847 }, StoredBlock { "MSFlexGrid1", 212, 6588, 2143 },
        StoredBlock { "SSTab1", 186, 8281, 979 }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(ShowcaseCoolBar, HoldsNamedSettingsWithEveryKey)
{
    const auto bytes = record("CoolBar1").settings;
    EXPECT_EQ(bytes.size(), 464u);
    settings::PropertyBag bag;
    QString error;
    ASSERT_TRUE(settings::readNamedSettings(bytes, bag, error)) << qPrintable(error);
    for (const char *key :
         { "_extentx", "_extenty", "_cbwidth", "_cbheight", "_version", "minheight1", "width1", "newrow1",
           "minheight2", "width2", "newrow2", "minheight3", "width3", "newrow3" })
        EXPECT_TRUE(bag.integer(QString::fromLatin1(key)).has_value()) << key;
}

TEST(ShowcaseRichText, IsTheStoredDocument)
{
    settings::Block block;
    QString error;
    ASSERT_TRUE(settings::readBlock(record("RichTextBox1").settings, block, error)) << qPrintable(error);
    const QString rtf = block.state.text(u"TextRTF").value_or(QString());
    for (const char *part : { "\\ansicpg1252", "MS Sans Serif;", "\\deflang1033", "\\fs17", "RichTextBox1" })
        EXPECT_TRUE(rtf.contains(QLatin1String(part))) << part;
}

} // namespace
} // namespace qv
