// Every test program runs its GoogleTest cases inside one QApplication, offscreen.

#include "runtime/core/fonts.h"
#include <quorvane/font_record.h>

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    qv::installFaceSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
