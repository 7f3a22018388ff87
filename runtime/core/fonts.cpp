#include "runtime/core/fonts.h"
#include <quorvane/form_description.h>

#include <QFontDatabase>
#include <QStringList>

namespace qv
{

namespace
{
const QString classicFace = QStringLiteral("MS Sans Serif");
}

QString installFaceSubstitutions()
{
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(classicFace, Qt::CaseInsensitive))
        return classicFace;
    // Liberation Sans has the widths of the face the classic dialogs used beside MS Sans Serif; the others
    // are fall-backs for machines without it.
    for (const QString &candidate :
         { QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
           QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans") }) {
        if (installed.contains(candidate, Qt::CaseInsensitive)) {
            QFont::insertSubstitution(classicFace, candidate);
            return candidate;
        }
    }
    return QFont(classicFace).defaultFamily();
}

QFont toQFont(const FontRecord &record)
{
    QFont font(storedText(record.face));
    font.setPointSizeF(record.pointSize);
    font.setWeight(static_cast<QFont::Weight>(record.weight));
    font.setItalic(record.italic);
    font.setUnderline(record.underline);
    font.setStrikeOut(record.strikethrough);
    return font;
}

} // namespace qv
