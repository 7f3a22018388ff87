// The typed classes of the built-in controls (<quorvane/controls.h>, written by the build from the runtime's
// type information) against the controls themselves: the description they are written from is the one each
// control gives, they drive the real widgets, and they fail exactly as the late-bound calls they stand for.

#include "support/builtin_form.h"
#include <quorvane/controls.h>
#include <quorvane/members.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <functional>
#include <set>

namespace qv::test
{
namespace
{

// What a class does not have does not compile: a misspelt member, a member of another class, a read-only
// property written.
template<class View>
concept hasCaption = requires(const View view, QString text)
{
    view.get_Caption(text);
};
template<class View>
concept hasCaptoin = requires(const View view, QString text)
{
    view.get_Captoin(text);
};
template<class View>
concept writesName = requires(const View view)
{
    view.put_Name(QString());
};
static_assert(hasCaption<controls::Label> && !hasCaptoin<controls::Label>);
static_assert(!hasCaption<controls::TextBox>);
static_assert(!writesName<controls::Label>);

class TypedControls : public BuiltinForm
{
public:
    using BuiltinForm::control;

    void SetUp() override { ASSERT_EQ(form->Show(), status::ok) << qPrintable(lastError()); }
    template<class View> View viewOf(std::string_view name)
    {
        View view;
        EXPECT_EQ(viewAs(ObjRef<Control>(&control(name)), view), status::ok) << name;
        return view;
    }
};

// The typed classes are written from the description known without a control; the late-bound calls check
// against the one each control gives. They must be the same, class by class.
TEST_F(TypedControls, EveryClassIsDescribedWithoutAControlAsItsControlsDescribeIt)
{
    std::int32_t count = 0;
    ASSERT_EQ(form->ControlCount(count), status::ok);
    std::set<BuiltinClass> seen;
    for (std::int32_t i = 0; i < count; ++i) {
        ObjRef<Control> made;
        ASSERT_EQ(form->Controls(i, made), status::ok);
        const auto cls = std::get<BuiltinClass>(recordOf(*made).cls);
        EXPECT_EQ(builtinClassName(cls), made->className());
        EXPECT_TRUE(classMembers(cls) == made->members()) << qPrintable(made->className());
        seen.insert(cls);
    }
    EXPECT_EQ(seen.size(), 19u); // all but the OLE container, which needs an embedded object of its own
    const auto none = static_cast<BuiltinClass>(20);
    EXPECT_TRUE(classMembers(none).empty());
    EXPECT_TRUE(builtinClassName(none).isEmpty());
}

TEST_F(TypedControls, DriveTheirControlsByTheirOwnNames)
{
    const auto label = viewOf<controls::Label>("Label1");
    ASSERT_EQ(label.put_Caption(QStringLiteral("Typed")), status::ok);
    EXPECT_EQ(qobject_cast<QLabel *>(widgetNamed("Label1"))->text(), QStringLiteral("Typed"));
    QString caption;
    ASSERT_EQ(label.get_Caption(caption), status::ok);
    EXPECT_EQ(caption, QStringLiteral("Typed"));

    using CheckValue = controls::CheckBox::ValueConstants;
    const auto check = viewOf<controls::CheckBox>("Check1");
    ASSERT_EQ(check.put_Value(CheckValue::vbChecked), status::ok);
    EXPECT_TRUE(qobject_cast<QCheckBox *>(widgetNamed("Check1"))->isChecked());
    auto value = CheckValue::vbUnchecked;
    ASSERT_EQ(check.get_Value(value), status::ok);
    EXPECT_EQ(value, CheckValue::vbChecked);

    const auto list = viewOf<controls::ListBox>("List1");
    ASSERT_EQ(list.Clear(), status::ok);
    ASSERT_EQ(list.AddItem(QStringLiteral("one")), status::ok);
    ASSERT_EQ(list.AddItem(QStringLiteral("two"), 0), status::ok);
    ASSERT_EQ(list.List(1, QStringLiteral("eins")), status::ok);
    ASSERT_EQ(list.ItemData(1, 42), status::ok);
    std::int32_t listCount = 0;
    std::int32_t data = 0;
    QString first;
    ASSERT_EQ(list.get_ListCount(listCount), status::ok);
    ASSERT_EQ(list.List(0, &first), status::ok);
    ASSERT_EQ(list.ItemData(1, &data), status::ok);
    EXPECT_EQ(listCount, 2);
    EXPECT_EQ(first, QStringLiteral("two"));
    EXPECT_EQ(data, 42);
    EXPECT_EQ(qobject_cast<QListWidget *>(widgetNamed("List1"))->item(1)->text(), QStringLiteral("eins"));

    using ShapeKind = controls::Shape::ShapeConstants;
    const auto shape = viewOf<controls::Shape>("Shape1");
    ASSERT_EQ(shape.put_Shape(ShapeKind::vbShapeOval), status::ok);
    auto kind = ShapeKind::vbShapeRectangle;
    ASSERT_EQ(shape.get_Shape(kind), status::ok);
    EXPECT_EQ(kind, ShapeKind::vbShapeOval);
}

// A typed call is the late-bound call of the same name: the same status, the same explanation.
struct FailingCall {
    const char *name;
    std::function<Status(TypedControls &)> typed;
    std::function<Status(TypedControls &)> lateBound;
};

class TypedCallFails : public TypedControls, public ::testing::WithParamInterface<FailingCall>
{
};

TEST_P(TypedCallFails, AsTheLateBoundCallDoes)
{
    const Status late = GetParam().lateBound(*this);
    const QString lateError = lastError();
    ASSERT_TRUE(failed(late));
    EXPECT_EQ(GetParam().typed(*this), late);
    EXPECT_EQ(lastError(), lateError);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TypedCallFails,
    ::testing::Values(FailingCall { "RemovingAnItemNotInTheList",
                                    [](TypedControls &fixture) {
                                        return fixture.viewOf<controls::ListBox>("List1").RemoveItem(99);
                                    },
                                    [](TypedControls &fixture) {
                                        return fixture.control("List1").call("RemoveItem", { Variant(99) });
                                    } },
                      FailingCall { "NegativeInterval",
                                    [](TypedControls &fixture) {
                                        return fixture.viewOf<controls::Timer>("Timer1").put_Interval(-5);
                                    },
                                    [](TypedControls &fixture) {
                                        return fixture.control("Timer1").put("Interval", Variant(-5));
                                    } },
                      FailingCall { "ShapeOutsideItsValues",
                                    [](TypedControls &fixture) {
                                        return fixture.viewOf<controls::Shape>("Shape1").put_Shape(
                                            static_cast<controls::Shape::ShapeConstants>(9));
                                    },
                                    [](TypedControls &fixture) {
                                        return fixture.control("Shape1").put("Shape", Variant(9));
                                    } }),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(TypedControls, RefuseAControlOfAnotherClassAndAnEmptyView)
{
    controls::TextBox text;
    EXPECT_EQ(viewAs(ObjRef<Control>(&control("Label1")), text), status::typeMismatch);
    EXPECT_FALSE(text);
    EXPECT_EQ(text.put_Text(QStringLiteral("x")), status::objectNotSet);
    EXPECT_EQ(viewAs(ObjRef<Control>(), text), status::objectNotSet);
    EXPECT_EQ(viewOf<controls::ListBox>("List1").List(0, static_cast<QString *>(nullptr)),
              status::invalidArgument);
}

// A program's form reaches its controls typed through its accessor, as it reaches them as Control objects.
class TypedAccessorForm : public Form
{
public:
    using Form::control;
    using Form::Form;
};

TEST_F(TypedControls, AFormReachesItsControlsTypedThroughItsAccessor)
{
    const ObjRef<Form> adopted = runtime->adoptForm(new TypedAccessorForm(*runtime, builtinLayout));
    auto &typedForm = static_cast<TypedAccessorForm &>(*adopted);
    controls::TextBox text;
    ASSERT_EQ(typedForm.control("Text1", text), status::ok);
    ASSERT_EQ(text.put_Text(QStringLiteral("typed")), status::ok);
    QString read;
    ASSERT_EQ(text.get_Text(read), status::ok);
    EXPECT_EQ(read, QStringLiteral("typed"));

    controls::Label wrong;
    EXPECT_EQ(typedForm.control("Text1", wrong), status::fail);
    EXPECT_TRUE(lastError().contains(u"Text1 is not of the class its accessor returns"))
        << qPrintable(lastError());
    EXPECT_FALSE(wrong);
}

} // namespace
} // namespace qv::test
