// Every built-in control's members, by name, as a program reaches them: read from the run-time type
// information, never from a list in this file. Each writable property keeps what is written to it or refuses
// it whole; each read-only one refuses a write; a value of the wrong type is a type mismatch; what a stored
// record says is what a read returns after the load.

#include "support/builtin_form.h"
#include "support/member_writes.h"
#include <quorvane/control.h>

#include <QApplication>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <set>

namespace qv
{
namespace
{

using test::asPropertyType;
using test::builtinControls;
using test::describe;
using test::writeEveryProperty;

class Members : public test::BuiltinForm
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(form->Show(), status::ok) << runtime->takeErrorObject().description.toStdString();
    }
};

TEST_F(Members, EveryPropertyKeepsWhatIsWrittenOrRefusesItWhole)
{
    const auto error = [this] { return lastError(); };
    int written = 0;
    for (const ControlRecord &record : builtinControls) {
        Control &c = control(record.name);
        ASSERT_FALSE(c.members().empty()) << record.name;
        written += writeEveryProperty(c, c.members(), error);
    }
    EXPECT_GT(written, 100) << "the table wrote too little to mean anything";
    EXPECT_GT(writeEveryProperty(*form, Form::members(), error), 10) << "the form's own properties";
}

// What the stored records say, read back through the members after the load: two sources that must agree.
TEST_F(Members, StoredValuesAreWhatAReadReturns)
{
    for (const ControlRecord &record : builtinControls) {
        Control &c = control(record.name);
        std::map<QString, Variant> stored { { QStringLiteral("Name"), Variant(storedText(record.name)) } };
        if (record.cls != ControlClass(BuiltinClass::Timer)
            && record.cls != ControlClass(BuiltinClass::Line)) {
            stored.emplace(QStringLiteral("Left"), Variant(std::int32_t { record.left }));
            stored.emplace(QStringLiteral("Top"), Variant(std::int32_t { record.top }));
            stored.emplace(QStringLiteral("Width"), Variant(std::int32_t { record.width }));
            stored.emplace(QStringLiteral("Height"), Variant(std::int32_t { record.height }));
        }
        if (record.tabIndex != noTabIndex)
            stored.emplace(QStringLiteral("TabIndex"), Variant(std::int32_t { record.tabIndex }));
        if (!record.text.empty()) {
            stored.emplace(QStringLiteral("Caption"), Variant(storedText(record.text)));
            stored.emplace(QStringLiteral("Text"), Variant(storedText(record.text)));
        }
        if (record.cls == ControlClass(BuiltinClass::Line)) {
            stored.emplace(QStringLiteral("X1"), Variant(std::int32_t { record.left }));
            stored.emplace(QStringLiteral("Y1"), Variant(std::int32_t { record.top }));
        }
        for (const StoredValue &value : record.values) {
            if (const auto *number = std::get_if<std::int32_t>(&value.value))
                stored.emplace(storedText(value.property), Variant(*number));
            else if (const auto *text = std::get_if<std::string_view>(&value.value))
                stored.emplace(storedText(value.property), Variant(storedText(*text)));
        }
        for (const MemberInfo &m : c.members()) {
            const auto it = stored.find(m.name);
            if (m.kind != MemberKind::Property || it == stored.end())
                continue;
            Variant read;
            ASSERT_EQ(c.get(m.name.toStdString(), read), status::ok);
            EXPECT_EQ(read, asPropertyType(it->second, m.type))
                << record.name << "." << m.name.toStdString() << " reads " << describe(read).toStdString();
        }
    }
}

struct BadCall {
    const char *name;
    std::string_view control;
    std::function<Status(Control &)> call;
    Status expected;
    const char *named; // what the error's description must name
};

class MemberCall : public Members, public ::testing::WithParamInterface<BadCall>
{
};

TEST_P(MemberCall, FailsWithARunTimeErrorNamingWhatItRefuses)
{
    Control &c = control(GetParam().control);
    EXPECT_EQ(GetParam().call(c), GetParam().expected);
    const QString why = lastError();
    EXPECT_TRUE(why.startsWith(QStringLiteral("Builtins.%1 (").arg(storedText(GetParam().control))))
        << why.toStdString();
    EXPECT_TRUE(why.contains(QString::fromUtf8(GetParam().named))) << why.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Refused, MemberCall,
    ::testing::Values(
        BadCall { "PropertyTheClassLacks", "Label1",
                  [](Control &c) { return c.put("Value", Variant(std::int32_t { 1 })); },
                  status::memberNotFound, "no property or method Value" },
        BadCall { "ReadOfAMethod", "List1",
                  [](Control &c) {
                      Variant v;
                      return c.get("AddItem", v);
                  },
                  status::memberNotFound, "AddItem" },
        BadCall { "MethodTheClassLacks", "Text1", [](Control &c) { return c.call("AddItem", { Variant() }); },
                  status::memberNotFound, "AddItem" },
        BadCall { "TooManyArguments", "Command1",
                  [](Control &c) { return c.call("Refresh", { Variant(std::int32_t { 1 }) }); },
                  status::wrongArgumentCount, "Refresh does not take 1 arguments" },
        BadCall { "ArgumentOfTheWrongType", "List1",
                  [](Control &c) { return c.call("RemoveItem", { Variant(QStringLiteral("first")) }); },
                  status::typeMismatch, "RemoveItem, argument 1 (Index)" },
        BadCall { "IndexOutsideTheList", "List1",
                  [](Control &c) { return c.call("RemoveItem", { Variant(std::int32_t { 3 }) }); },
                  status::invalidProcedureCall, "index 3" },
        BadCall { "NullWritten", "Text1", [](Control &c) { return c.put("Text", Variant::null()); },
                  status::invalidUseOfNull, "Text" },
        BadCall { "ValueOutsideTheEnumeration", "Check1",
                  [](Control &c) { return c.put("Value", Variant(std::int32_t { 5 })); },
                  status::invalidPropertyValue, "Value = 5" },
        BadCall { "NegativeWidthByMove", "Picture1",
                  [](Control &c) {
                      return c.call("Move",
                                    { Variant(std::int32_t { 0 }), Variant(std::int32_t { 0 }),
                                      Variant(std::int32_t { -15 }) });
                  },
                  status::invalidPropertyValue, "negative" }),
    [](const auto &row) { return std::string(row.param.name); });

// The lists' items from code, as a program fills a list: the same calls on both list classes.
class ListItems : public Members, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(ListItems, AreAddedReadSelectedAndRemovedByIndex)
{
    Control &list = control(GetParam());
    ASSERT_EQ(list.call("Clear"), status::ok);
    for (const char *item : { "Oak", "Elm", "Ash" })
        ASSERT_EQ(list.call("AddItem", { Variant(QString::fromLatin1(item)) }), status::ok)
            << lastError().toStdString();
    ASSERT_EQ(list.call("AddItem", { Variant(QStringLiteral("Yew")), Variant(std::int32_t { 0 }) }),
              status::ok);
    ASSERT_EQ(list.call("ItemData", { Variant(std::int32_t { 2 }), Variant(std::int32_t { 1970 }) }),
              status::ok);

    const auto read = [&](std::string_view name, std::initializer_list<Variant> args = {}) {
        Variant v;
        if (args.size() == 0)
            EXPECT_EQ(list.get(name, v), status::ok) << lastError().toStdString();
        else
            EXPECT_EQ(list.call(name, std::span<const Variant>(args.begin(), args.size()), v), status::ok)
                << lastError().toStdString();
        return v;
    };
    EXPECT_EQ(read("ListCount"), Variant(std::int32_t { 4 }));
    QStringList items;
    for (std::int32_t i = 0; i < 4; ++i)
        items << read("List", { Variant(i) }).toString().value_or(QString());
    EXPECT_EQ(items, QStringList({ "Yew", "Oak", "Elm", "Ash" }));
    EXPECT_EQ(read("ItemData", { Variant(std::int32_t { 2 }) }), Variant(std::int32_t { 1970 }));
    EXPECT_EQ(read("List", { Variant(std::int32_t { 9 }) }), Variant(QString())) << "past the end: empty";

    ASSERT_EQ(list.put("ListIndex", Variant(std::int32_t { 2 })), status::ok);
    EXPECT_EQ(read("Text"), Variant(QStringLiteral("Elm")));
    ASSERT_EQ(list.call("RemoveItem", { Variant(std::int32_t { 0 }) }), status::ok);
    EXPECT_EQ(read("ListCount"), Variant(std::int32_t { 3 }));
    EXPECT_EQ(read("List", { Variant(std::int32_t { 0 }) }), Variant(QStringLiteral("Oak")));
}

INSTANTIATE_TEST_SUITE_P(BothLists, ListItems, ::testing::Values("List1", "Combo1"));

TEST_F(Members, TypeInformationDescribesMethodsWithTheirOptionalParameters)
{
    const std::vector<MemberInfo> members = control("List1").members();
    const auto addItem = std::find_if(members.begin(), members.end(),
                                      [](const MemberInfo &m) { return m.name == QLatin1String("AddItem"); });
    ASSERT_NE(addItem, members.end());
    EXPECT_EQ(addItem->kind, MemberKind::Method);
    ASSERT_EQ(addItem->parameters.size(), 2u);
    EXPECT_EQ(addItem->parameters[0].name, QStringLiteral("Item"));
    EXPECT_EQ(addItem->parameters[0].type, VariantType::String);
    EXPECT_FALSE(addItem->parameters[0].optional);
    EXPECT_TRUE(addItem->parameters[1].optional);
    const auto click = std::find_if(members.begin(), members.end(),
                                    [](const MemberInfo &m) { return m.name == QLatin1String("Click"); });
    ASSERT_NE(click, members.end());
    EXPECT_EQ(click->kind, MemberKind::Event);
}

// The form's Controls collection is its stored controls, in stored order; an index outside it names the
// form and how many it has.
TEST_F(Members, TheFormsControlsAreItsStoredOnesInOrder)
{
    std::int32_t count = 0;
    ASSERT_EQ(form->ControlCount(count), status::ok);
    ASSERT_EQ(static_cast<std::size_t>(count), test::builtinLayout.controls.size());
    for (std::int32_t i = 0; i < count; ++i) {
        ObjRef<Control> c;
        ASSERT_EQ(form->Controls(i, c), status::ok);
        EXPECT_EQ(c->objectName(),
                  storedText(test::builtinLayout.controls[static_cast<std::size_t>(i)].name));
    }
    for (const std::int32_t outside : { -1, count }) {
        ObjRef<Control> c;
        EXPECT_EQ(form->Controls(outside, c), status::subscriptOutOfRange);
        EXPECT_EQ(lastError(),
                  QStringLiteral("Builtins.Controls(%1): the form has %2 controls, numbered from 0.")
                      .arg(outside)
                      .arg(count));
        EXPECT_FALSE(c);
    }
}

} // namespace
} // namespace qv
