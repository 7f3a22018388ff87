#pragma once
// What the check creates, and where: the showcase window's records grouped by where their class comes from,
// the forms runtime itself or one control library. Made once from the stored layout and the runtime's list of
// libraries, by the check and by each child it runs alike; a record is known by its index in the stored
// layout, never by its name.

#include <quorvane/default_instance.h>
#include <quorvane/form_description.h>
#include <quorvane/installation.h>

#include <QString>
#include <QStringView>
#include <cstddef>
#include <optional>
#include <vector>

namespace qv::checker
{

class CheckPlan
{
public:
    // The forms runtime is library 0; a record whose class no library lists goes with it, and the runtime
    // refuses that class without loading any module.
    static constexpr std::size_t formsRuntime = 0;

    explicit CheckPlan(const FormDescription &form);

    const FormDescription &form() const { return form_; }
    // The forms runtime, then the control libraries, as the runtime lists them.
    const std::vector<installation::LibraryEntry> &libraries() const { return libraries_; }
    // The indexes, in stored order, of the records whose class comes from the library.
    const std::vector<std::size_t> &recordsOf(std::size_t library) const { return records_[library]; }
    // The library a record's class comes from.
    std::size_t libraryOf(std::size_t record) const { return libraryOf_[record]; }
    // The library whose file is named ("MSCOMCT2.OCX"), if the runtime lists it.
    std::optional<std::size_t> libraryOfFile(QStringView file) const;
    // The record's class as the runtime names it: "VB.CommandButton", or its programmatic identifier for a
    // library's class.
    QString classNameOf(std::size_t record) const;

    // A form class whose windows hold the given records, in the order given, and nothing else, with the
    // window settings of the form. Each record is placed on the window itself: its container may be
    // elsewhere.
    FormClass partOf(const std::vector<std::size_t> &records) const;

private:
    const FormDescription &form_;
    std::vector<installation::LibraryEntry> libraries_;
    std::vector<std::vector<std::size_t>> records_;
    std::vector<std::size_t> libraryOf_;
};

} // namespace qv::checker
