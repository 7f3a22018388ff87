#pragma once
// quorvane-check --describe: every class's properties, methods and events, read from the run-time type
// information the runtime and the modules give (the same the late-bound calls accept), as text for a person,
// one JSON document for a tool, or a Markdown page per library for the reference.

#include "check/check_options.h"
#include <quorvane/installation.h>

#include <QByteArray>
#include <QString>
#include <QTextStream>
#include <vector>

namespace qv::checker
{

struct DescribedClass {
    QString library; // the file that carries it: "MSCOMCTL.OCX", or the forms runtime's own
    QString className; // "MSComctlLib.Slider", "VB.CommandButton"
    Outcome<std::vector<MemberInfo>> members;
};

// The classes `name` names: every class when it is empty, a library's when it names a library file
// ("MSCOMCTL.OCX"), or one class ("MSComctlLib.Slider"); none when it names neither. Case does not matter.
std::vector<DescribedClass> describeClasses(const QString &name, const QString &moduleDirectory);

QString classReferenceText(const std::vector<DescribedClass> &classes);
QByteArray classReferenceJson(const std::vector<DescribedClass> &classes);
// One page for the classes of one library, headed by the library's file and type library.
QString classReferenceMarkdown(const installation::LibraryEntry &library,
                               const std::vector<DescribedClass> &classes);

// What --describe prints for the options given, on `out`: 0 when every class named was described, 1 when one
// could not be (its reason is printed in its place), 2 when the name names no class and no library (said on
// standard error).
int printClassReference(QTextStream &out, const CheckOptions &options);

} // namespace qv::checker
