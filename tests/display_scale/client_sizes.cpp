// Prints each window's stored client area in twips, one window a line: its name, width and height. For the
// real-display runs, which read the windows' sizes from the X server and scale these.

#include "windows/main/form1_layout.h"
#include "windows/showcase/form2_layout.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    // The showcase's layout embeds a picture drawn with Qt.
    QGuiApplication application(argc, argv);
    for (const qv::FormDescription *form : { &qv::form1Layout, &qv::form2Layout() })
        std::printf("%.*s %d %d\n", static_cast<int>(form->name.size()), form->name.data(), form->clientWidth,
                    form->clientHeight);
    return 0;
}
