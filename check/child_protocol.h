#pragma once
// What a child check tells its parent, one line at a time in a file of its own (standard output is watched
// for modules that write to it): each control before it is created, each outcome after, and the end. A
// child that dies leaves the lines it wrote, so the parent knows which class was being created.

#include <quorvane/installation.h>

#include <QByteArray>
#include <QString>
#include <vector>

namespace qv::checker::child
{

QByteArray creatingLine(const QString &control, const QString &className);
QByteArray outcomeLine(const installation::ControlOutcome &outcome);
QByteArray failureLine(const QString &failure);
QByteArray doneLine();

struct Said {
    QString creatingClass; // the class of the last control whose creation began
    std::vector<installation::ControlOutcome> outcomes;
    QString failure;
    bool done = false;
};

// Reads what a child wrote; a last line cut short (the child died while writing it) is left out.
Said read(const QByteArray &written);

} // namespace qv::checker::child
