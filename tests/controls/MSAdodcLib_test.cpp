// The ADO data control module: the caption between two pairs of record buttons, malformed blocks refused.

#include "controls/interface/settings_block.h"
#include "support/control_module.h"

#include <QLabel>
#include <QLayout>
#include <QToolButton>
#include <algorithm>
#include <vector>

namespace qv::test
{
namespace
{

using settings::Property;
using Bytes = std::vector<std::byte>;

constexpr QStringView adodc = u"{67397AA3-7FB1-11D0-B148-00A0C922E820}";

template<std::size_t P> Bytes adodcBlock(const std::array<Property, P> &state)
{
    const auto block
        = settings::makeBlock<172>(settings::twipsToHimetric(4215), settings::twipsToHimetric(330), state);
    return { block.begin(), block.end() };
}

const Bytes adodc1 = adodcBlock(std::array { Property::string("Caption", "Adodc1") });

// Names each row of a data-driven test after its name field.
template<class Row> std::string nameOfRow(const ::testing::TestParamInfo<Row> &row)
{
    return row.param.name;
}

struct CaptionCase {
    const char *name;
    Bytes block;
    const char *caption;
};

void PrintTo(const CaptionCase &row, std::ostream *out)
{
    *out << row.name;
}

class MSAdodcLibControls : public ::testing::TestWithParam<CaptionCase>
{
};

TEST_P(MSAdodcLibControls, ShowTheCaptionBetweenBackwardAndForwardButtons)
{
    const CaptionCase &expected = GetParam();
    QWidget container;
    const ControlLibrary::Creation made = loadModule("msadodc")->create(adodc, expected.block, container);
    ASSERT_NE(made.object, nullptr) << qPrintable(made.error);
    auto *control = qobject_cast<QWidget *>(made.object);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->parent(), &container);
    auto *caption = control->findChild<QLabel *>();
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), QLatin1String(expected.caption));

    container.resize(300, 40);
    control->resize(281, 22); // the showcase's 4215 x 330 twips
    container.show();
    QList<QToolButton *> buttons = control->findChildren<QToolButton *>();
    ASSERT_EQ(buttons.size(), 4);
    std::sort(buttons.begin(), buttons.end(), [](QToolButton *a, QToolButton *b) { return a->x() < b->x(); });
    const QStringList leftToRight { QStringLiteral("First record"), QStringLiteral("Previous record"),
                                    QStringLiteral("Next record"), QStringLiteral("Last record") };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(buttons[i]->accessibleName(), leftToRight[i]);
        EXPECT_FALSE(buttons[i]->icon().isNull()) << i;
        EXPECT_EQ(buttons[i]->height(), control->height()) << i;
    }
    EXPECT_LE(buttons[1]->geometry().right(), caption->geometry().left());
    EXPECT_GE(buttons[2]->geometry().left(), caption->geometry().right());
    EXPECT_GT(caption->width(), control->width() / 2) << "the caption takes the room between the buttons";
}

INSTANTIATE_TEST_SUITE_P(SavedStates, MSAdodcLibControls,
                         ::testing::Values(CaptionCase { "Adodc1", adodc1, "Adodc1" },
                                           CaptionCase { "NothingStored",
                                                         adodcBlock(std::array<Property, 0> {}), "" }),
                         nameOfRow<CaptionCase>);

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

Bytes withWrongMarker()
{
    Bytes block = adodc1;
    block[0] = std::byte { 0x00 };
    return block;
}

Bytes cutTo(std::size_t length)
{
    return { adodc1.begin(), adodc1.begin() + static_cast<std::ptrdiff_t>(length) };
}

class MSAdodcLibFaults : public ::testing::TestWithParam<Fault>
{
};

TEST_P(MSAdodcLibFaults, GiveNoControlAndAMessageNamingTheFault)
{
    const Fault &fault = GetParam();
    QWidget container;
    const ControlLibrary::Creation made = loadModule("msadodc")->create(fault.clsid, fault.block, container);
    EXPECT_EQ(made.object, nullptr);
    EXPECT_TRUE(made.error.contains(QLatin1String(fault.named))) << qPrintable(made.error);
    EXPECT_TRUE(container.children().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(MalformedBlocks, MSAdodcLibFaults,
                         ::testing::Values(Fault { "WrongMarker", adodc, withWrongMarker(), "marker" },
                                           Fault { "CutInTheHead", adodc, cutTo(4), "16-byte head" },
                                           Fault { "CutInTheState", adodc, cutTo(33), "runs past the end" },
                                           Fault { "CaptionAsNumber", adodc,
                                                   adodcBlock(std::array { Property::integer("Caption", 1) }),
                                                   "Caption is stored as a number" },
                                           Fault { "UnknownClass", u"{00000000-0000-0000-0000-000000000000}",
                                                   adodc1, "MSADODC.OCX has no class" }),
                         nameOfRow<Fault>);

} // namespace
} // namespace qv::test
