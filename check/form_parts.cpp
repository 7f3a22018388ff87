#include "form_parts.h"

#include <quorvane/form.h>
#include <quorvane/installation.h>

#include <memory>

namespace qv::checker
{

const installation::LibraryEntry *libraryOfClass(const QString &className)
{
    static const std::vector<installation::LibraryEntry> libraries = installation::libraries();
    for (const installation::LibraryEntry &library : libraries) {
        for (const installation::ClassEntry &cls : library.classes) {
            if (cls.className == className && !library.moduleFile.isEmpty())
                return &library;
        }
    }
    return nullptr;
}

QString libraryFileOf(const ControlRecord &record)
{
    const auto *progId = std::get_if<ProgId>(&record.cls);
    if (!progId)
        return {};
    const installation::LibraryEntry *library = libraryOfClass(storedText(progId->text));
    return library ? library->file : QString();
}

std::vector<ControlRecord> recordsOf(const FormDescription &form, const QString &libraryFile)
{
    std::vector<ControlRecord> records;
    for (const ControlRecord &record : form.controls) {
        if (libraryFileOf(record) == libraryFile)
            records.push_back(record);
    }
    return records;
}

FormClass partOf(const FormDescription &form, std::vector<ControlRecord> records)
{
    struct Part {
        std::vector<ControlRecord> records;
        FormDescription description;
    };
    auto part = std::make_shared<Part>(Part { std::move(records), form });
    for (ControlRecord &record : part->records)
        record.container = {}; // its container may be of another part
    part->description.controls = part->records;
    return { [part](Runtime &runtime) { return new Form(runtime, part->description); } };
}

} // namespace qv::checker
