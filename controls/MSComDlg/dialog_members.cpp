#include "dialog_members.h"

#include "commondialog.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>

namespace qv::mscomdlg
{

namespace
{

// The flags of the file dialogs this one heeds.
constexpr int overwritePrompt = 0x2; // cdlOFNOverwritePrompt
constexpr int fileMustExist = 0x1000; // cdlOFNFileMustExist

// The filter's pairs as Qt's name filters, "Text (*.txt)": the patterns, which the filter parts with ';',
// in parentheses after the description, unless the description already ends with them.
QStringList nameFilters(const QString &filter)
{
    QStringList filters;
    if (filter.isEmpty())
        return filters;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QLatin1Char('(')
            + parts[i + 1].trimmed().replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')');
        const QString description = parts[i].trimmed();
        filters << (description.endsWith(patterns) ? description : description + QLatin1Char(' ') + patterns);
    }
    return filters;
}

} // namespace

DialogMembers::DialogMembers(QObject &dialog)
    : dialog_(dialog)
{
}

bool DialogMembers::accepted(QDialog &dialog)
{
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() == QDialog::Accepted)
        return true;
    if (cancelError())
        refuse(cancelSelected, QStringLiteral("Cancel was selected."));
    return false;
}

void DialogMembers::showFileDialog(bool save)
{
    auto *form = qobject_cast<QWidget *>(dialog_.parent());
    QFileDialog dialog(form ? form->window() : nullptr);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(!save && (flags() & fileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(flags() & overwritePrompt));
    dialog.setWindowTitle(!dialogTitle().isEmpty() ? dialogTitle()
                              : save               ? QStringLiteral("Save As")
                                                   : QStringLiteral("Open"));
    const QStringList filters = nameFilters(filter());
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        // An index past the filter's pairs chooses the first, as 0 does.
        const int index = filterIndex();
        dialog.selectNameFilter(filters.value(index >= 1 && index <= filters.size() ? index - 1 : 0));
    }
    dialog.setDefaultSuffix(defaultExt_);
    // A directory that is not there leaves the dialog where it opens by itself.
    if (!initDir_.isEmpty() && QFileInfo(initDir_).isDir())
        dialog.setDirectory(initDir_);
    if (!fileName_.isEmpty())
        dialog.selectFile(fileName_);
    if (!accepted(dialog))
        return;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return;
    fileName_ = QDir::toNativeSeparators(chosen.first());
    if (!filters.isEmpty())
        dialog_.setProperty("FilterIndex",
                            static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1);
}

void DialogMembers::ShowOpen()
{
    showFileDialog(false);
}

void DialogMembers::ShowSave()
{
    showFileDialog(true);
}

void DialogMembers::ShowColor()
{
    auto *form = qobject_cast<QWidget *>(dialog_.parent());
    QColorDialog dialog(QColor(color_ & 0xFF, (color_ >> 8) & 0xFF, (color_ >> 16) & 0xFF),
                        form ? form->window() : nullptr);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (!dialogTitle().isEmpty())
        dialog.setWindowTitle(dialogTitle());
    if (!accepted(dialog))
        return;
    const QColor chosen = dialog.selectedColor();
    color_ = chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16);
}

void DialogMembers::ShowFont()
{
    auto *form = qobject_cast<QWidget *>(dialog_.parent());
    QFont initial(fontName_);
    initial.setPointSizeF(fontSize_);
    initial.setBold(fontBold_);
    initial.setItalic(fontItalic_);
    QFontDialog dialog(initial, form ? form->window() : nullptr);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (!dialogTitle().isEmpty())
        dialog.setWindowTitle(dialogTitle());
    if (!accepted(dialog))
        return;
    const QFont chosen = dialog.selectedFont();
    fontName_ = chosen.family();
    fontSize_ = static_cast<float>(chosen.pointSizeF());
    fontBold_ = chosen.bold();
    fontItalic_ = chosen.italic();
}

bool DialogMembers::cancelError() const
{
    return dialog_.property("CancelError").toBool();
}

void DialogMembers::setCancelError(bool on)
{
    dialog_.setProperty("CancelError", on);
}

QString DialogMembers::dialogTitle() const
{
    return dialog_.property("DialogTitle").toString();
}

void DialogMembers::setDialogTitle(const QString &title)
{
    dialog_.setProperty("DialogTitle", title);
}

int DialogMembers::flags() const
{
    return dialog_.property("Flags").toInt();
}

void DialogMembers::setFlags(int flags)
{
    if (flags < 0)
        return refuse(status::invalidPropertyValue, QStringLiteral("Flags are 0 or more"));
    dialog_.setProperty("Flags", flags);
}

QString DialogMembers::filter() const
{
    return dialog_.property("Filter").toString();
}

void DialogMembers::setFilter(const QString &filter)
{
    if (filterPairs(filter) < 0)
        return refuse(
            status::invalidPropertyValue,
            QStringLiteral("a filter is pairs of description and pattern, each part ended by '|' but "
                           "the last: \"Text (*.txt)|*.txt|All (*.*)|*.*\""));
    dialog_.setProperty("Filter", filter);
}

int DialogMembers::filterIndex() const
{
    return dialog_.property("FilterIndex").toInt();
}

void DialogMembers::setFilterIndex(int index)
{
    if (index < 0)
        return refuse(status::invalidPropertyValue, QStringLiteral("FilterIndex is 0 or more"));
    dialog_.setProperty("FilterIndex", index);
}

QString DialogMembers::fileTitle() const
{
    return QFileInfo(QDir::fromNativeSeparators(fileName_)).fileName();
}

void DialogMembers::setColor(int color)
{
    if (color < 0 || color > 0xFFFFFF)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("a colour is 0 to &HFFFFFF (blue, green and red, a byte each)"));
    color_ = color;
}

void DialogMembers::setFontSize(float points)
{
    constexpr float most = 2048;
    if (!(points > 0 && points <= most))
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("a font size is above 0 and at most %1 points").arg(most));
    fontSize_ = points;
}

} // namespace qv::mscomdlg
