// Drives the real windows offscreen through one round trip and saves each window as a PNG:
//   grab_windows OUTPUT_DIR
// main-start.png, showcase.png, main-after-close-form.png, main-after-close-box.png.

#include "runtime/core/fonts.h"
#include "support/program_driver.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace
{

bool save(QWidget *window, const QDir &dir, const char *name)
{
    const QString path = dir.filePath(QLatin1String(name));
    if (!window || !window->grab().save(path)) {
        std::fprintf(stderr, "grab_windows: could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// A window that did not come up leaves the runtime's report: say what it was.
bool nothingReported(const qv::test::ProgramDriver &program)
{
    for (const auto &report : program.host_.reports)
        std::fprintf(stderr, "grab_windows: the program reported:\n%s\n", qPrintable(report.text));
    return program.host_.reports.empty();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: grab_windows OUTPUT_DIR\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    qv::installFaceSubstitutions();
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(dir.path());

    // The modules the build made, whichever folder this program runs from.
    qv::test::ProgramDriver closedByButton;
    closedByButton.start();
    bool ok = save(windowOf(closedByButton.form1()), dir, "main-start.png");
    closedByButton.clickTest([&] {
        ok = save(windowOf(closedByButton.form2()), dir, "showcase.png") && ok;
        closedByButton.clickCloseForm();
    });
    ok = save(windowOf(closedByButton.form1()), dir, "main-after-close-form.png") && ok;
    ok = nothingReported(closedByButton) && ok;

    qv::test::ProgramDriver closedByBox; // a fresh run for the close-box ending
    closedByBox.start();
    closedByBox.clickTest([&] { closedByBox.closeShowcaseByCloseBox(); });
    ok = save(windowOf(closedByBox.form1()), dir, "main-after-close-box.png") && ok;
    return nothingReported(closedByBox) && ok ? 0 : 1;
}
