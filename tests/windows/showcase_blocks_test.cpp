// The showcase window's stored-settings blocks: their stored lengths, and heads that agree with the records.

#include "controls/interface/settings_block.h"
#include "manifest/manifest.h"
#include "support/named_rows.h"
#include "windows/showcase/form2_layout.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <utility>
#include <vector>

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

// Twips to hundredths of a millimetre, rounded to the nearest unit with halves rounded up.
std::int32_t himetric(Twips twips)
{
    return static_cast<std::int32_t>(std::floor(twips * 2540.0 / 1440.0 + 0.5));
}

// The size of the design-time icon an instance without a window records: 1005 x 1005 but for three classes.
std::pair<std::int32_t, std::int32_t> designIcon(std::string_view name)
{
    if (name == "Winsock1")
        return { 741, 741 };
    if (name == "CommonDialog1")
        return { 847, 847 };
    if (name == "PictureClip1")
        return { 1508, 1296 };
    return { 1005, 1005 };
}

// Every ActiveX record's block but the cool bar's, which holds named settings instead of a head.
std::vector<const ControlRecord *> recordsWithAHead()
{
    std::vector<const ControlRecord *> out;
    for (const ControlRecord &r : form2Layout().controls) {
        if (isActiveX(r.cls) && r.name != "CoolBar1")
            out.push_back(&r);
    }
    return out;
}

TEST(ShowcaseBlocks, EachHeadHoldsItsRecordsSizeOrItsDesignIcon)
{
    const auto records = recordsWithAHead();
    EXPECT_EQ(records.size(), 33u);
    for (const ControlRecord *r : records) {
        SCOPED_TRACE(std::string(r->name));
        const manifest::ClassRecord *cls = manifest::findClass(std::get<ProgId>(r->cls).text);
        ASSERT_NE(cls, nullptr);
        const auto read = settings::readBlock(r->settings);
        ASSERT_TRUE(read) << qPrintable(read.failure().explanation());
        const settings::Block &block = read.value();
        if (cls->visible) {
            EXPECT_GT(r->width, 0);
            EXPECT_GT(r->height, 0);
            EXPECT_EQ(block.extentX, himetric(r->width));
            EXPECT_EQ(block.extentY, himetric(r->height));
        } else {
            EXPECT_EQ(r->width, 0);
            EXPECT_EQ(r->height, 0);
            EXPECT_EQ(std::pair(block.extentX, block.extentY), designIcon(r->name));
        }
    }
}

struct StoredBlock {
    const char *name;
    std::size_t length;
};
using qv::test::PrintTo;

class ShowcaseBlock : public ::testing::TestWithParam<StoredBlock>
{
};

TEST_P(ShowcaseBlock, HasItsStoredLength)
{
    EXPECT_EQ(record(GetParam().name).settings.size(), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(
    Records, ShowcaseBlock,
    ::testing::Values(
        StoredBlock { "MSHFlexGrid1", 334 }, StoredBlock { "Adodc1", 172 }, StoredBlock { "CoolBar1", 464 },
        StoredBlock { "DataCombo1", 130 }, StoredBlock { "DataList1", 108 }, StoredBlock { "DataGrid1", 404 },
        StoredBlock { "MaskEdBox1", 72 }, StoredBlock { "MSComm1", 60 }, StoredBlock { "SysInfo1", 16 },
        StoredBlock { "PictureClip1", 36 }, StoredBlock { "MMControl1", 96 },
        StoredBlock { "MAPIMessages1", 800 }, StoredBlock { "MAPISession1", 540 },
        StoredBlock { "Winsock1", 40 }, StoredBlock { "MSChart1", 9022 }, StoredBlock { "RichTextBox1", 212 },
        StoredBlock { "Inet1", 58 }, StoredBlock { "FlatScrollBar1", 92 }, StoredBlock { "DTPicker1", 128 },
        StoredBlock { "MonthView1", 160 }, StoredBlock { "UpDown1", 84 }, StoredBlock { "Animation1", 40 },
        StoredBlock { "ImageCombo1", 106 }, StoredBlock { "Slider1", 116 }, StoredBlock { "ImageList1", 76 },
        StoredBlock { "ListView1", 98 }, StoredBlock { "TreeView1", 90 }, StoredBlock { "ProgressBar1", 80 },
        StoredBlock { "StatusBar1", 104 }, StoredBlock { "Toolbar1", 104 }, StoredBlock { "TabStrip1", 106 },
        StoredBlock { "CommonDialog1", 76 }, StoredBlock { "MSFlexGrid1", 212 },
        StoredBlock { "SSTab1", 186 }),
    [](const auto &row) { return std::string(row.param.name); });

// The two heads worked out in full where the stored layout is described.
struct WorkedHead {
    const char *name;
    std::int32_t extentX;
    std::int32_t extentY;
};

class ShowcaseHead : public ::testing::TestWithParam<WorkedHead>
{
};

TEST_P(ShowcaseHead, HoldsTheWorkedExtent)
{
    const auto read = settings::readBlock(record(GetParam().name).settings);
    ASSERT_TRUE(read) << qPrintable(read.failure().explanation());
    const settings::Block &block = read.value();
    EXPECT_EQ(block.extentX, GetParam().extentX);
    EXPECT_EQ(block.extentY, GetParam().extentY);
}

INSTANTIATE_TEST_SUITE_P(Records, ShowcaseHead,
                         ::testing::Values(WorkedHead { "MSHFlexGrid1", 4683, 4154 },
                                           WorkedHead { "MonthView1", 4763, 4180 }),
                         [](const auto &row) { return std::string(row.param.name); });

TEST(ShowcaseCoolBar, RecordsItsSizeInBothUnits)
{
    const ControlRecord &coolBar = record("CoolBar1");
    const auto read = settings::readNamedSettings(coolBar.settings);
    ASSERT_TRUE(read) << qPrintable(read.failure().explanation());
    const settings::PropertyBag &bag = read.value();
    EXPECT_EQ(bag.integer(u"_extentx"), himetric(coolBar.width));
    EXPECT_EQ(bag.integer(u"_extenty"), himetric(coolBar.height));
    EXPECT_EQ(bag.integer(u"_cbwidth"), coolBar.width);
    EXPECT_EQ(bag.integer(u"_cbheight"), coolBar.height);
}

TEST(ShowcaseCoolBar, HoldsNamedSettingsWithEveryKey)
{
    const auto bytes = record("CoolBar1").settings;
    EXPECT_EQ(bytes.size(), 464u);
    const auto read = settings::readNamedSettings(bytes);
    ASSERT_TRUE(read) << qPrintable(read.failure().explanation());
    const settings::PropertyBag &bag = read.value();
    for (const char *key :
         { "_extentx", "_extenty", "_cbwidth", "_cbheight", "_version", "minheight1", "width1", "newrow1",
           "minheight2", "width2", "newrow2", "minheight3", "width3", "newrow3" })
        EXPECT_TRUE(bag.integer(QString::fromLatin1(key)).has_value()) << key;
}

TEST(ShowcaseRichText, IsTheStoredDocument)
{
    const auto read = settings::readBlock(record("RichTextBox1").settings);
    ASSERT_TRUE(read) << qPrintable(read.failure().explanation());
    const settings::Block &block = read.value();
    const QString rtf = block.state.text(u"TextRTF").value_or(QString());
    for (const char *part : { "\\ansicpg1252", "MS Sans Serif;", "\\deflang1033", "\\fs17", "RichTextBox1" })
        EXPECT_TRUE(rtf.contains(QLatin1String(part))) << part;
}

} // namespace
} // namespace qv
