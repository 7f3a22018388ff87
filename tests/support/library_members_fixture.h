#pragma once
// A window of library controls loaded through the runtime, as a program reaches their members by name; and
// the two tables every library class adds rows to: events run by real input or by the member that causes
// them, and refusals that name whose member and why. Each group of classes instantiates the tables in its own
// test file; the cases themselves are defined once (library_member_cases.cpp).

#include "runtime/core/control_private.h"
#include "runtime/modules/installed_modules.h"
#include "runtime/start/standard_runtime.h"
#include "support/library_layout.h"
#include "support/program_driver.h"
#include "support/recording_host.h"
#include <quorvane/control_library.h>
#include <quorvane/form.h>

#include <QAbstractSlider>
#include <QCoreApplication>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace qv::test
{

inline QString text(std::string_view s)
{
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// A class's own description, as its module gives it; null for a class with only the common members.
inline const QMetaObject *descriptionOf(const manifest::ClassRecord &c)
{
    static InstalledModules modules(builtModuleDir());
    const ModuleInfo *module = modules.declaring(text(c.clsid));
    if (!module)
        return nullptr;
    const Outcome<ControlLibrary *> library = modules.load(*module);
    return library ? library.value()->description(text(c.clsid)) : nullptr;
}

class LibraryMembers : public ::testing::Test
{
protected:
    ~LibraryMembers() override
    {
        forms.clear();
        runtime.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A window with one control of every library class, each from a block with nothing saved.
    Form &everyClass()
    {
        TestLayout &layout = layouts.emplace_back();
        for (const manifest::ClassRecord &c : manifest::classes())
            layout.add(c.instance, c.progId, 120, 120, 2000, 1200, defaultBlock(c, 2000, 1200));
        return show(layout);
    }

    // A window with one control of the class, from a block with nothing saved, shown.
    Control &one(std::string_view progId)
    {
        const manifest::ClassRecord &c = *manifest::findClass(progId);
        TestLayout &layout = layouts.emplace_back();
        layout.add(c.instance, c.progId, 120, 120, 2000, 1200, defaultBlock(c, 2000, 1200));
        return *findControl(show(layout), c.instance);
    }

    Form &show(const TestLayout &layout)
    {
        Form &form = *forms.emplace_back(runtime->adoptForm(new Form(*runtime, layout.description)));
        const Status shown = form.Show();
        const ErrorInfo why = runtime->takeErrorObject();
        EXPECT_EQ(shown, status::ok) << why.description.toStdString() << ": "
                                     << why.creation.value_or(CreationFailure {}).reason.toStdString();
        return form;
    }

    QString lastError() { return runtime->takeErrorObject().description; }

    RecordingHost host;
    std::unique_ptr<StandardRuntime> runtime = std::make_unique<StandardRuntime>(host, builtModuleDir());
    std::deque<TestLayout> layouts;
    std::vector<ObjRef<Form>> forms;
};

// An event of a library class, bound by name on a shown control, raised by `raise`: real input on the
// control's widget, or a member that causes it.
struct EventCase {
    const char *name;
    std::string_view progId;
    std::string_view event;
    std::function<void(Control &, QWidget *)> raise;
};

class LibraryEvents : public LibraryMembers, public ::testing::WithParamInterface<EventCase>
{
};

// A call a library class refuses: the last call `call` makes is the refused one; its status, and what the
// error's description must say beside whose member it is.
struct Refusal {
    const char *name;
    std::string_view progId;
    std::function<Status(Control &)> call;
    Status expected;
    const char *named;
};

class LibraryRefusals : public LibraryMembers, public ::testing::WithParamInterface<Refusal>
{
};

inline std::string rowName(const auto &row)
{
    return std::string(row.param.name);
}

inline Variant date(int year, int month, int day)
{
    return Variant(QDateTime(QDate(year, month, day), {}));
}

inline void pressKey(QWidget *widget, Qt::Key key)
{
    widget->setFocus();
    QTest::keyClick(widget, key);
}

// Clicks the arrow button whose accessible name is `name` among the widget's buttons.
inline void clickArrow(QWidget *widget, const char *name)
{
    for (QToolButton *button : widget->findChildren<QToolButton *>()) {
        if (button->accessibleName() == QLatin1String(name))
            return QTest::mouseClick(button, Qt::LeftButton);
    }
    FAIL() << "no arrow " << name;
}

// A day of the calendar's grid other than the one chosen: the middle of its table, in the month shown.
inline void clickDay(QWidget *widget)
{
    auto *days = widget->findChild<QTableView *>();
    ASSERT_NE(days, nullptr) << "the calendar has no grid of days";
    const QModelIndex cell = days->model()->index(3, 3);
    QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, days->visualRect(cell).center());
}

inline void dragThumb(QWidget *widget)
{
    auto *range = static_cast<QAbstractSlider *>(widget);
    range->setSliderDown(true);
    range->setSliderPosition(range->value() + 1);
    range->setSliderDown(false);
}

} // namespace qv::test
