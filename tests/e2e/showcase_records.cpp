// Prints the showcase window's ActiveX records in stored order, the order the forms runtime creates them in,
// one a line: the record's name and its class's programmatic identifier. For the runs that break one module
// at a time and must know which record is the first to fail.

#include "windows/showcase/form2_layout.h"

#include <QGuiApplication>
#include <cstdio>
#include <variant>

int main(int argc, char **argv)
{
    // The layout embeds a picture drawn with Qt.
    QGuiApplication application(argc, argv);
    for (const qv::ControlRecord &record : qv::form2Layout().controls) {
        if (const auto *progId = std::get_if<qv::ProgId>(&record.cls))
            std::printf("%.*s %.*s\n", static_cast<int>(record.name.size()), record.name.data(),
                        static_cast<int>(progId->text.size()), progId->text.data());
    }
    return 0;
}
