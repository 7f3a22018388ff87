#pragma once
// What quorvane-check prints: the report and the library list, as text for a person or as one JSON
// document for a script or a fleet tool. Both forms hold the same facts.

#include "installation_check.h"

#include <QByteArray>
#include <QString>

namespace qv::checker
{

QString reportText(const CheckReport &report);
QByteArray reportJson(const CheckReport &report);

// The files a setup package must carry, the forms runtime first, each with the module that stands for it.
QString libraryListText();
QByteArray libraryListJson();

} // namespace qv::checker
