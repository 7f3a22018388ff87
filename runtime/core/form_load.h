#pragma once
// Loading a form from its stored description, in phases that each read alone:
//   1. checkDescription: the description is sound (names unique, every container before its children);
//   2. createControls: every record's control is made in its container, in stored order, under a policy;
//   3. the form commits what was made (Form): the tab order, the window and its controls, the Load event.

#include <quorvane/com_object.h>
#include <quorvane/control.h>
#include <quorvane/form_description.h>
#include <quorvane/outcome.h>

#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace qv
{

class Form;

enum class CreationPolicy {
    StopAtFirstFailure, // the window's own load: the first control that cannot be created fails it
    GoOnPastFailures, // a check of the installation: every record is tried, so one run names every fault
};

// What became of one record.
struct RecordOutcome {
    const ControlRecord *record;
    Outcome<> outcome;
};

// Told of each record as it is tried: for a check that must know which control was being made if a module's
// code never returns.
struct CreationObserver {
    std::function<void(const ControlRecord &)> creating;
    std::function<void(const ControlRecord &, const Outcome<> &)> tried;
};

struct CreatedControls {
    std::vector<ObjRef<Control>> made; // in stored order
    std::vector<RecordOutcome> records; // every record tried, in stored order
    std::optional<Failure> firstFailure;
};

Outcome<> checkDescription(const FormDescription &description);

// Makes the controls of the form's description inside its window. Going on past failures, a control whose
// container could not be made is still tried, in the window itself.
CreatedControls createControls(Form &form, QWidget &window, CreationPolicy policy,
                               const CreationObserver *observer = nullptr);

} // namespace qv
