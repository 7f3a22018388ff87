// Writes the fuzz targets' seed inputs from the program's real stored data: every ActiveX block of the
// showcase window, the CoolBar's named settings, the rich text box's document and the embedded object's
// compound document, each under OUTPUT_DIR/<target>/.
//
//   write_seeds OUTPUT_DIR

#include "controls/interface/settings_block.h"
#include "manifest/manifest.h"
#include "windows/showcase/embedded_picture/paint_picture_document.h"
#include "windows/showcase/form2_layout.h"
#include <quorvane/form_description.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

namespace
{

bool write(const QString &dir, const QString &name, QByteArrayView bytes)
{
    QDir().mkpath(dir);
    QFile file(QDir(dir).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size()) {
        std::fprintf(stderr, "write_seeds: %s: %s\n", qPrintable(file.fileName()),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

QByteArrayView viewOf(std::span<const std::byte> bytes)
{
    return { reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()) };
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_seeds OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const auto classes = qv::manifest::classes();
    bool ok = true;
    for (const qv::ControlRecord &record : qv::form2Layout().controls) {
        if (!isActiveX(record.cls))
            continue;
        const QString name = qv::storedText(record.name);
        const QByteArrayView block = viewOf(record.settings);
        const bool named = std::get<qv::ProgId>(record.cls).text == "ComCtl3.CoolBar";
        ok &= write(out.filePath(named ? u"named_settings"_qs : u"settings_block"_qs), name, block);

        const auto cls = std::find_if(classes.begin(), classes.end(), [&](const auto &c) {
            return c.progId == std::get<qv::ProgId>(record.cls).text;
        });
        QByteArray selected(1, char(cls - classes.begin()));
        ok &= write(out.filePath(u"module_state"_qs), name, selected + block.toByteArray());

        if (const auto parsed = qv::settings::readBlock(record.settings); parsed && !named) {
            if (const auto rtf = parsed.value().state.text(u"TextRTF"))
                ok &= write(out.filePath(u"rich_text"_qs), name, rtf->toLatin1());
        }
    }
    ok &= write(out.filePath(u"embedded_object"_qs), u"OLE1"_qs, viewOf(qv::showcase::paintPictureDocument));
    return ok ? 0 : 1;
}
