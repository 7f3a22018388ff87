// Writes the showcase's Paint.Picture compound document as a C++ source file that defines
// qv::showcase::paintPictureDocument: run by the build, which compiles the result into the program.
//
//   write_paint_picture_document OUTPUT.cpp

#include "windows/showcase/embedded_picture/paint_picture_document.h"
#include "windows/showcase/embedded_picture/paint_picture_object.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <cstdio>
#include <vector>

namespace
{

// One braced std::byte a value, 32 to a line: GCC and clang read it in a few seconds, and the array stays a
// constant the layout's record can point at.
QByteArray sourceOf(const std::vector<std::byte> &document)
{
    QByteArray text;
    text.reserve(static_cast<qsizetype>(document.size()) * 7 + 1024);
    text += "// Written by write_paint_picture_document (windows/showcase/embedded_picture): do not edit.\n"
            "#include \"windows/showcase/embedded_picture/paint_picture_document.h\"\n\n"
            "namespace qv::showcase\n{\n\n"
            "namespace\n{\nusing B = std::byte;\n}\n\n"
            "const std::array<std::byte, paintPictureDocumentSize> paintPictureDocument { {\n";
    for (std::size_t i = 0; i < document.size(); ++i) {
        text += "B{";
        text += QByteArray::number(std::to_integer<unsigned>(document[i]));
        text += i % 32 == 31 ? "},\n" : "},";
    }
    text += "} };\n\n} // namespace qv::showcase\n";
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_paint_picture_document OUTPUT.cpp\n");
        return 2;
    }
    // Drawn on a plain image with no text: no application, and so no display, is needed.
    const qv::Outcome<std::vector<std::byte>> written = qv::showcase::writePaintPictureObject();
    if (!written) {
        std::fprintf(stderr, "write_paint_picture_document: %s\n",
                     qPrintable(written.failure().info.description));
        return 1;
    }
    const std::vector<std::byte> &document = written.value();
    if (document.size() != qv::showcase::paintPictureDocumentSize) {
        std::fprintf(stderr, "write_paint_picture_document: the document is %zu bytes, not %zu\n",
                     document.size(), qv::showcase::paintPictureDocumentSize);
        return 1;
    }
    // Written whole or not at all, so that a failed run leaves no half file for the build to compile.
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(sourceOf(document)) < 0 || !file.commit()) {
        std::fprintf(stderr, "write_paint_picture_document: %s: %s\n", argv[1],
                     qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
