// The second common controls module: each class made from a block of its own, malformed blocks refused.

#include "support/control_module_cases.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QFrame>
#include <QScrollBar>
#include <QToolButton>

namespace qv::test
{
namespace
{

using settings::makeBlock;

constexpr auto animation = manifestClassId("MSComCtl2.Animation");
constexpr auto upDown = manifestClassId("MSComCtl2.UpDown");
constexpr auto monthView = manifestClassId("MSComCtl2.MonthView");
constexpr auto dtPicker = manifestClassId("MSComCtl2.DTPicker");
constexpr auto flatScrollBar = manifestClassId("MSComCtl2.FlatScrollBar");

// --- Each class from its own block -------------------------------------------------------------------

constexpr auto opaqueAnimation = makeBlock<40>(1508, 1296, std::array { Property::integer("BackStyle", 1) });
constexpr auto upDownAtThree = makeBlock<84>(
    423, 2884,
    std::array { Property::integer("Min", 0), Property::integer("Max", 10), Property::integer("Value", 3) });
constexpr auto defaultUpDown = makeBlock<84>(423, 2884, noState);
constexpr auto mondayMonthView = makeBlock<160>(
    4763, 4180, std::array { Property::integer("StartOfWeek", 2), Property::integer("ShowWeekNumbers", 1) });
constexpr auto longDatePicker = makeBlock<128>(5530, 556, std::array { Property::integer("Format", 0) });
constexpr auto scrollBarAtTwenty
    = makeBlock<92>(7223, 556,
                    std::array { Property::integer("Max", 50), Property::integer("Value", 20),
                                 Property::integer("LargeChange", 10) });
constexpr auto defaultScrollBar = makeBlock<92>(7223, 556, noState);

void isAnEmptyOpaqueFrame(QObject *made)
{
    auto *frame = qobject_cast<QFrame *>(made);
    ASSERT_NE(frame, nullptr);
    EXPECT_NE(frame->frameShape(), QFrame::NoFrame);
    EXPECT_TRUE(frame->findChildren<QWidget *>().isEmpty());
    EXPECT_TRUE(frame->autoFillBackground());
}

void arrowsOf(QObject *made, Qt::ArrowType first, Qt::ArrowType second)
{
    const QList<QToolButton *> buttons = made->findChildren<QToolButton *>();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0]->arrowType(), first);
    EXPECT_EQ(buttons[1]->arrowType(), second);
}

void isAnUpDownAtThree(QObject *made)
{
    arrowsOf(made, Qt::UpArrow, Qt::DownArrow);
    EXPECT_EQ(made->property("value").toInt(), 3);
}

void isAnUpDownAtZero(QObject *made)
{
    arrowsOf(made, Qt::UpArrow, Qt::DownArrow);
    EXPECT_EQ(made->property("value").toInt(), 0);
}

void isAMondayCalendarWithWeekNumbers(QObject *made)
{
    auto *calendar = qobject_cast<QCalendarWidget *>(made);
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->firstDayOfWeek(), Qt::Monday);
    EXPECT_EQ(calendar->verticalHeaderFormat(), QCalendarWidget::ISOWeekNumbers);
}

void isALongDateOfTodayWithACalendar(QObject *made)
{
    const QDate today = QDate::currentDate();
    auto *picker = qobject_cast<QDateEdit *>(made);
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(picker->calendarPopup());
    // Made just before: it may have been yesterday then.
    EXPECT_TRUE(picker->date() == today || picker->date() == today.addDays(-1));
    // The long date names the month and gives the year in full.
    EXPECT_TRUE(picker->text().contains(QLocale().monthName(picker->date().month())))
        << qPrintable(picker->text());
    EXPECT_TRUE(picker->text().contains(QString::number(picker->date().year())))
        << qPrintable(picker->text());
}

void isAHorizontalScrollBarAtTwenty(QObject *made)
{
    auto *bar = qobject_cast<QScrollBar *>(made);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->orientation(), Qt::Horizontal);
    EXPECT_EQ(bar->maximum(), 50);
    EXPECT_EQ(bar->value(), 20);
    EXPECT_EQ(bar->pageStep(), 10);
}

void isAHorizontalScrollBarAtZero(QObject *made)
{
    auto *bar = qobject_cast<QScrollBar *>(made);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->orientation(), Qt::Horizontal);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->value(), 0);
}

struct MadeClass {
    const char *name;
    QStringView clsid;
    std::span<const std::byte> block;
    void (*check)(QObject *made);
};

using test::PrintTo;

const MadeClass madeClasses[] = {
    { "Animation", animation, opaqueAnimation, isAnEmptyOpaqueFrame },
    { "UpDown", upDown, upDownAtThree, isAnUpDownAtThree },
    { "UpDownWithNoSavedState", upDown, defaultUpDown, isAnUpDownAtZero },
    { "MonthView", monthView, mondayMonthView, isAMondayCalendarWithWeekNumbers },
    { "DTPicker", dtPicker, longDatePicker, isALongDateOfTodayWithACalendar },
    { "FlatScrollBar", flatScrollBar, scrollBarAtTwenty, isAHorizontalScrollBarAtTwenty },
    { "FlatScrollBarWithNoSavedState", flatScrollBar, defaultScrollBar, isAHorizontalScrollBarAtZero },
};

class MSComCtl2Class : public ::testing::TestWithParam<MadeClass>
{
};

TEST_P(MSComCtl2Class, IsMadeFromItsBlockAsAChildOfTheContainer)
{
    QWidget container;
    QObject *made = madeChild(create("mscomct2", GetParam().clsid, GetParam().block, container), container);
    ASSERT_NE(made, nullptr);
    GetParam().check(made);
}

INSTANTIATE_TEST_SUITE_P(EachClass, MSComCtl2Class, ::testing::ValuesIn(madeClasses), rowName);

// --- The up-down's arrows ----------------------------------------------------------------------------

constexpr auto upDownAtMax = makeBlock<84>(
    423, 2884,
    std::array { Property::integer("Min", 0), Property::integer("Max", 10), Property::integer("Value", 10) });
constexpr auto wrappingUpDownAtMax
    = makeBlock<84>(423, 2884,
                    std::array { Property::integer("Max", 10), Property::integer("Value", 10),
                                 Property::integer("Wrap", 1) });
constexpr auto reversedUpDown
    = makeBlock<84>(423, 2884,
                    std::array { Property::integer("Min", 10), Property::integer("Max", 0),
                                 Property::integer("Value", 5), Property::integer("Increment", 2) });

struct ArrowClick {
    const char *name;
    std::span<const std::byte> block;
    Qt::ArrowType arrow;
    int valueAfter;
};

const ArrowClick arrowClicks[] = {
    { "UpStepsByOne", upDownAtThree, Qt::UpArrow, 4 },
    { "DownStepsByOne", upDownAtThree, Qt::DownArrow, 2 },
    { "UpStopsAtMax", upDownAtMax, Qt::UpArrow, 10 },
    { "UpWrapsPastMaxToMin", wrappingUpDownAtMax, Qt::UpArrow, 0 },
    { "UpCountsDownWhenMinIsAboveMax", reversedUpDown, Qt::UpArrow, 3 },
};

class MSComCtl2UpDownArrow : public ::testing::TestWithParam<ArrowClick>
{
};

TEST_P(MSComCtl2UpDownArrow, StepsTheValue)
{
    QWidget container;
    QObject *made = madeChild(create("mscomct2", upDown, GetParam().block, container), container);
    ASSERT_NE(made, nullptr);
    for (QToolButton *button : made->findChildren<QToolButton *>()) {
        if (button->arrowType() == GetParam().arrow)
            button->click();
    }
    EXPECT_EQ(made->property("value").toInt(), GetParam().valueAfter);
}

INSTANTIATE_TEST_SUITE_P(Clicks, MSComCtl2UpDownArrow, ::testing::ValuesIn(arrowClicks), rowName);

// --- Malformed blocks ----------------------------------------------------------------------------------

constexpr auto defaultAnimation = makeBlock<40>(1508, 1296, noState);
constexpr auto eighthDayOfWeek
    = makeBlock<160>(4763, 4180, std::array { Property::integer("StartOfWeek", 8) });
constexpr auto formatAsText = makeBlock<128>(5530, 556, std::array { Property::string("Format", "short") });
constexpr auto unknownFormat = makeBlock<128>(5530, 556, std::array { Property::integer("Format", 3) });
constexpr auto zeroIncrement = makeBlock<84>(423, 2884, std::array { Property::integer("Increment", 0) });
constexpr auto valuePastMax
    = makeBlock<84>(423, 2884, std::array { Property::integer("Max", 10), Property::integer("Value", 11) });
constexpr auto minAboveMax
    = makeBlock<92>(7223, 556, std::array { Property::integer("Min", 60), Property::integer("Max", 50) });
constexpr auto negativeExtent = makeBlock<92>(-5, 556, noState);

const MalformedBlock malformedBlocks[] = {
    { "WrongMarker", animation, withWrongMarker(defaultAnimation), "not the marker 0x12344321" },
    { "CutInTheHead", upDown, headCutShort(10), "shorter than its 16-byte head" },
    { "CutInTheSavedState", upDown, cutTo(upDownAtThree, 24), "runs past the end" },
    { "NegativeExtent", flatScrollBar, negativeExtent, "negative" },
    { "StartOfWeekPastSaturday", monthView, eighthDayOfWeek, "StartOfWeek is 8" },
    { "FormatAsText", dtPicker, formatAsText, "Format holds a text" },
    { "UnknownFormat", dtPicker, unknownFormat, "Format is 3" },
    { "ZeroIncrement", upDown, zeroIncrement, "Increment is 0" },
    { "ValuePastMax", upDown, valuePastMax, "Value is 11" },
    { "ScrollBarMinAboveMax", flatScrollBar, minAboveMax, "Min (60) is above Max (50)" },
};

using MSComCtl2Refusal = MalformedBlockTest;
TEST_P(MSComCtl2Refusal, GivesNoObjectAndAMessageNamingTheFault)
{
    expectRefused("mscomct2", GetParam());
}
INSTANTIATE_TEST_SUITE_P(EachFault, MSComCtl2Refusal, ::testing::ValuesIn(malformedBlocks), rowName);

TEST(MSComCtl2Module, RefusesAClassOfAnotherLibrary)
{
    constexpr auto tabbedDialog = manifestClassId("TabDlg.SSTab");
    QWidget container;
    EXPECT_TRUE(isRefused(create("mscomct2", tabbedDialog, defaultUpDown, container), container,
                          "MSCOMCT2.OCX has no class"));
}

} // namespace
} // namespace qv::test
