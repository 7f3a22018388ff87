#pragma once
// The showcase window cut into parts by where each control's class comes from: the forms runtime itself, or
// one control library. Each part loads as a window of its own, its controls placed on the window itself, so
// that one library's classes can be created away from every other's.

#include <quorvane/default_instance.h>
#include <quorvane/form_description.h>
#include <quorvane/installation.h>

#include <QString>
#include <vector>

namespace qv::checker
{

// The library a class comes from, "MSComCtl2.UpDown" from MSCOMCT2.OCX; null for a class of the forms runtime
// and one the manifest does not list.
const installation::LibraryEntry *libraryOfClass(const QString &className);

// The library file of a record's class ("MSCOMCT2.OCX"); empty for a class of the forms runtime and for one
// the manifest does not list, which the runtime refuses without loading any module.
QString libraryFileOf(const ControlRecord &record);

// The form's records whose class comes from `libraryFile` (empty: from no library), in stored order.
std::vector<ControlRecord> recordsOf(const FormDescription &form, const QString &libraryFile);

// A form class whose windows hold `records` and nothing else, with the window settings of `form`.
FormClass partOf(const FormDescription &form, std::vector<ControlRecord> records);

} // namespace qv::checker
