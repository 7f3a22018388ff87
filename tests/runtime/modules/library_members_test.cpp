// The library classes' members through the runtime, as a program reaches them by name: read from each
// module's description (its run-time type information), never from a list in this file. Every property keeps
// what is written or refuses it whole; what a stored-settings block says is what a read returns; events come
// from real input.

#include "support/library_members_fixture.h"
#include "support/member_writes.h"
#include <quorvane/installation.h>

#include <QMetaProperty>

namespace qv::test
{
namespace
{

TEST_F(LibraryMembers, EveryPropertyKeepsWhatIsWrittenOrRefusesItWhole)
{
    Form &form = everyClass();
    const auto error = [this] { return lastError(); };
    int written = 0;
    for (const manifest::ClassRecord &c : manifest::classes()) {
        Control &control = *findControl(form, c.instance);
        const std::vector<MemberInfo> members = control.members();
        ASSERT_FALSE(members.empty()) << c.progId;
        written += writeEveryProperty(control, members, error);
    }
    EXPECT_GT(written, 300) << "the table wrote too little to mean anything";
}

// A class's description and its control's members agree: its own members first, then the common ones.
TEST_F(LibraryMembers, AControlListsItsClassesOwnMembersFirst)
{
    Form &form = everyClass();
    int described = 0;
    for (const manifest::ClassRecord &c : manifest::classes()) {
        const QMetaObject *own = descriptionOf(c);
        if (!own)
            continue;
        ++described;
        const std::vector<MemberInfo> members = findControl(form, c.instance)->members();
        for (int i = QObject::staticMetaObject.propertyCount(); i < own->propertyCount(); ++i) {
            const int at = i - QObject::staticMetaObject.propertyCount();
            ASSERT_LT(at, int(members.size())) << c.progId;
            EXPECT_EQ(members[std::size_t(at)].name, QLatin1String(own->property(i).name())) << c.progId;
        }
        const auto named = [&](const char *name) {
            return std::count_if(members.begin(), members.end(),
                                 [&](const MemberInfo &m) { return m.name == QLatin1String(name); });
        };
        EXPECT_EQ(named("Name"), 1) << c.progId;
        EXPECT_EQ(named("Left"), c.visible ? 1 : 0) << c.progId;
    }
    EXPECT_GE(described, 4) << "too few classes describe their own members";
}

// Two routes to a class's members that must agree: the description a program reads without a control (and
// the reference is written from), and what a control of the class answers.
TEST_F(LibraryMembers, AClassIsDescribedWithoutAControlExactlyAsItsControlsAre)
{
    Form &form = everyClass();
    for (const manifest::ClassRecord &c : manifest::classes()) {
        const Outcome<std::vector<MemberInfo>> described
            = installation::classMembers(text(c.progId).toLower(), builtModuleDir());
        ASSERT_TRUE(described) << c.progId << ": " << described.failure().explanation().toStdString();
        EXPECT_EQ(described.value(), findControl(form, c.instance)->members()) << c.progId;
    }
}

// A value of the property's type other than the one it holds, as a settings block stores it.
settings::Property otherValue(const MemberInfo &m, const Variant &now, std::deque<std::string> &texts)
{
    const std::string &name = texts.emplace_back(m.name.toStdString());
    if (!m.enumValues.empty()) {
        for (const auto &[key, value] : m.enumValues) {
            if (Variant(value) != now)
                return settings::Property::integer(name, value);
        }
    }
    switch (m.type) {
    case VariantType::Boolean:
        return settings::Property::integer(name, now.toBool().value_or(false) ? 0 : 1);
    case VariantType::String:
        return settings::Property::string(name, texts.emplace_back("Quorvane"));
    default:
        return settings::Property::integer(name, now.toLong().value_or(0) + 1);
    }
}

// Two sources that must agree: what a block says, read by the class's module as it makes the control, and
// what the control's members read afterwards. Every property the description says a block may name.
TEST_F(LibraryMembers, StoredSettingsAreWhatAReadReturns)
{
    Form &defaults = everyClass();
    std::deque<std::string> texts;
    int checked = 0;
    for (const manifest::ClassRecord &c : manifest::classes()) {
        const QMetaObject *own = descriptionOf(c);
        if (!own)
            continue;
        Control &plain = *findControl(defaults, c.instance);
        for (const MemberInfo &m : plain.members()) {
            if (m.kind != MemberKind::Property || !m.stored || own->indexOfProperty(m.name.toLatin1()) < 0)
                continue;
            Variant now;
            ASSERT_EQ(plain.get(m.name.toStdString(), now), status::ok);
            const settings::Property stored = otherValue(m, now, texts);
            TestLayout &layout = layouts.emplace_back();
            layout.add(c.instance, c.progId, 120, 120, 2000, 1200,
                       defaultBlock(c, 2000, 1200, std::array { stored }));
            Form &form = show(layout);
            Variant read;
            ASSERT_EQ(findControl(form, c.instance)->get(m.name.toStdString(), read), status::ok)
                << c.progId << "." << m.name.toStdString();
            const Variant expected = stored.isText ? Variant(text(stored.text)) : Variant(stored.number);
            EXPECT_EQ(read, asPropertyType(expected, m.type))
                << c.progId << "." << m.name.toStdString() << " reads " << describe(read).toStdString();
            ++checked;
        }
    }
    EXPECT_GE(checked, 20) << "too few stored properties to mean anything";
}

INSTANTIATE_TEST_SUITE_P(
    RealInput, LibraryEvents,
    ::testing::Values(EventCase { "SliderChangeByTheKeyboard", "MSComctlLib.Slider", "Change",
                                  [](Control &, QWidget *w) { pressKey(w, Qt::Key_Right); } },
                      EventCase { "SliderScrollByDraggingTheThumb", "MSComctlLib.Slider", "Scroll",
                                  [](Control &, QWidget *w) { dragThumb(w); } },
                      EventCase { "SliderChangeFromCode", "MSComctlLib.Slider", "Change",
                                  [](Control &c, QWidget *) {
                                      ASSERT_EQ(c.put("Value", Variant(std::int32_t { 3 })), status::ok);
                                  } },
                      EventCase { "FlatScrollBarChangeByItsArrow", "MSComCtl2.FlatScrollBar", "Change",
                                  [](Control &, QWidget *w) {
                                      QTest::mouseClick(w, Qt::LeftButton, {},
                                                        QPoint(w->width() - 3, w->height() / 2));
                                  } },
                      EventCase { "FlatScrollBarScrollByDraggingTheThumb", "MSComCtl2.FlatScrollBar",
                                  "Scroll", [](Control &, QWidget *w) { dragThumb(w); } },
                      EventCase { "UpDownUpClick", "MSComCtl2.UpDown", "UpClick",
                                  [](Control &, QWidget *w) { clickArrow(w, "Up"); } },
                      EventCase { "UpDownDownClick", "MSComCtl2.UpDown", "DownClick",
                                  [](Control &, QWidget *w) { clickArrow(w, "Down"); } },
                      EventCase { "UpDownChangeByItsArrow", "MSComCtl2.UpDown", "Change",
                                  [](Control &, QWidget *w) { clickArrow(w, "Up"); } },
                      EventCase { "MonthViewDateClickOnADay", "MSComCtl2.MonthView", "DateClick",
                                  [](Control &, QWidget *w) { clickDay(w); } },
                      EventCase { "MonthViewSelChangeOnADay", "MSComCtl2.MonthView", "SelChange",
                                  [](Control &, QWidget *w) { clickDay(w); } },
                      EventCase { "MonthViewSelChangeFromCode", "MSComCtl2.MonthView", "SelChange",
                                  [](Control &c, QWidget *) {
                                      ASSERT_EQ(c.put("Day", Variant(std::int32_t { 1 })), status::ok);
                                  } },
                      EventCase { "DTPickerChangeByTheKeyboard", "MSComCtl2.DTPicker", "Change",
                                  [](Control &, QWidget *w) { pressKey(w, Qt::Key_Down); } }),
    [](const auto &row) { return rowName(row); });

INSTANTIATE_TEST_SUITE_P(
    Members, LibraryRefusals,
    ::testing::Values(
        Refusal { "DayTheMonthLacks", "MSComCtl2.MonthView",
                  [](Control &c) {
                      EXPECT_EQ(c.put("Value", date(2026, 2, 10)), status::ok);
                      return c.put("Day", Variant(std::int32_t { 30 }));
                  },
                  status::invalidPropertyValue, "Day = 30: there is no date 2026-2-30" },
        Refusal { "DateBeforeMinDate", "MSComCtl2.DTPicker",
                  [](Control &c) {
                      EXPECT_EQ(c.put("MinDate", date(2000, 1, 1)), status::ok);
                      return c.put("Value", date(1999, 12, 31));
                  },
                  status::invalidPropertyValue, "1999-12-31 lies outside MinDate 2000-01-01" },
        Refusal { "MinDateAfterMaxDate", "MSComCtl2.MonthView",
                  [](Control &c) {
                      EXPECT_EQ(c.put("MaxDate", date(2030, 1, 1)), status::ok);
                      return c.put("MinDate", date(2031, 1, 1));
                  },
                  status::invalidPropertyValue, "MinDate must lie on or before MaxDate 2030-01-01" },
        Refusal { "TimeInACustomFormat", "MSComCtl2.DTPicker",
                  [](Control &c) { return c.put("CustomFormat", Variant(QStringLiteral("HH:mm"))); },
                  status::invalidPropertyValue, "the picker writes dates only" },
        Refusal { "SliderMaxNotAboveMin", "MSComctlLib.Slider",
                  [](Control &c) { return c.put("Max", Variant(std::int32_t { 0 })); },
                  status::invalidPropertyValue, "Max (0) must lie above Min (0)" },
        Refusal { "UpDownValueOutsideItsRange", "MSComCtl2.UpDown",
                  [](Control &c) { return c.put("Value", Variant(std::int32_t { 11 })); },
                  status::invalidPropertyValue, "the value lies between Min (0) and Max (10)" },
        Refusal { "UpDownOrientationAtRunTime", "MSComCtl2.UpDown",
                  [](Control &c) { return c.put("Orientation", Variant(std::int32_t { 1 })); },
                  status::readOnlyProperty, "Orientation is read-only" },
        Refusal { "FlatScrollBarBeyondAnInteger", "MSComCtl2.FlatScrollBar",
                  [](Control &c) { return c.put("Max", Variant(std::int32_t { 40000 })); },
                  status::invalidPropertyValue, "Min and Max are -32768 to 32767" },
        Refusal { "ChartNarrowerThanItsAxes", "MSChart20Lib.MSChart",
                  [](Control &c) { return c.put("Width", Variant(std::int32_t { 15 })); },
                  status::invalidPropertyValue, "it is at least" }),
    [](const auto &row) { return rowName(row); });

// A control stored outside the tab order becomes a tab stop when a program says so.
TEST_F(LibraryMembers, TabStopPutsAControlStoredOutsideTheTabOrderIntoIt)
{
    const manifest::ClassRecord &c = *manifest::findClass("MSComctlLib.Slider");
    TestLayout &layout = layouts.emplace_back();
    layout.add(c.instance, c.progId, 120, 120, 2000, 1200, defaultBlock(c, 2000, 1200));
    Control &control = *findControl(show(layout), c.instance);
    Variant stop;
    ASSERT_EQ(control.get("TabStop", stop), status::ok);
    EXPECT_EQ(stop, Variant(false));
    ASSERT_EQ(control.put("TabStop", Variant(true)), status::ok);
    EXPECT_TRUE(widgetOf(control)->focusPolicy() & Qt::TabFocus);
}

TEST_F(LibraryMembers, AnEventTheClassLacksFailsTheLoadNamingIt)
{
    const manifest::ClassRecord &c = *manifest::findClass("MSComctlLib.Slider");
    TestLayout &layout = layouts.emplace_back();
    layout.add(c.instance, c.progId, 120, 120, 2000, 1200, defaultBlock(c, 2000, 1200));
    Form &form = *forms.emplace_back(runtime->adoptForm(new Form(*runtime, layout.description)));
    form.bind(c.instance, "UpClick", [](std::span<Variant>) { return status::ok; });
    EXPECT_NE(form.Show(), status::ok);
    EXPECT_TRUE(lastError().contains(QStringLiteral("raises no event UpClick")));
}

} // namespace
} // namespace qv::test
