#pragma once
// What a child check tells its parent, a line at a time through a pipe, as it goes: each record before it is
// created, what became of it after, a failure of the window no record explains, and the end. A record is
// named by its index in the stored layout. A child that dies has told the lines it wrote, so the parent knows
// which record was being created.

#include <quorvane/outcome.h>

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstddef>
#include <map>
#include <optional>

namespace qv::checker::child
{

QByteArray creatingLine(std::size_t record);
QByteArray outcomeLine(std::size_t record, const Outcome<> &created);
QByteArray failureLine(const QString &failure);
QByteArray doneLine();

// What a child has said so far.
struct Said {
    std::optional<std::size_t> creating; // the record whose creation began last
    std::map<std::size_t, Outcome<>> outcomes; // by record
    Outcome<> window; // what failed the window of its records, where no record explains it
    bool done = false;

    // Takes one line, without its line break; fails on a line that is not of the protocol.
    Outcome<> take(QByteArrayView line);
};

} // namespace qv::checker::child
