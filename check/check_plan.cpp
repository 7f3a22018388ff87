#include "check_plan.h"

#include <quorvane/form.h>

#include <memory>

namespace qv::checker
{

CheckPlan::CheckPlan(const FormDescription &form)
    : form_(form)
    , libraries_(installation::libraries())
    , records_(libraries_.size())
    , libraryOf_(form.controls.size(), formsRuntime)
{
    for (std::size_t record = 0; record < form.controls.size(); ++record) {
        const QString className = classNameOf(record);
        std::size_t from = formsRuntime;
        for (std::size_t library = formsRuntime + 1; library < libraries_.size() && from == formsRuntime;
             ++library) {
            for (const installation::ClassEntry &cls : libraries_[library].classes) {
                if (cls.className == className)
                    from = library;
            }
        }
        records_[from].push_back(record);
        libraryOf_[record] = from;
    }
}

std::optional<std::size_t> CheckPlan::libraryOfFile(QStringView file) const
{
    for (std::size_t library = 0; library < libraries_.size(); ++library) {
        if (libraries_[library].file == file)
            return library;
    }
    return std::nullopt;
}

QString CheckPlan::classNameOf(std::size_t record) const
{
    const ControlClass &cls = form_.controls[record].cls;
    if (const auto *progId = std::get_if<ProgId>(&cls))
        return storedText(progId->text);
    // The forms runtime lists its own classes in the order of their values.
    const std::size_t builtIn = static_cast<std::size_t>(std::get<BuiltinClass>(cls));
    const std::vector<installation::ClassEntry> &own = libraries_[formsRuntime].classes;
    return builtIn < own.size() ? own[builtIn].className : QString();
}

FormClass CheckPlan::partOf(const std::vector<std::size_t> &records) const
{
    struct Part {
        std::vector<ControlRecord> records;
        FormDescription description;
    };
    auto part = std::make_shared<Part>(Part { {}, form_ });
    for (const std::size_t record : records) {
        part->records.push_back(form_.controls[record]);
        part->records.back().container = {};
    }
    part->description.controls = part->records;
    return { [part](Runtime &runtime) { return new Form(runtime, part->description); } };
}

} // namespace qv::checker
