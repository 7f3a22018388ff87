#pragma once
// The common dialog's own members: each Show method shows the dialog modally and leaves what the user chose
// in the properties (FileName and FileTitle, Color, the Font properties). A dialog the user cancels leaves
// them as they were, or, with CancelError set, fails the method with "Cancel was selected.".

#include <quorvane/member_object.h>

class QDialog;

namespace qv::mscomdlg
{

// The dialog's own run-time error 32755, which a program tests for after a cancelled dialog.
inline constexpr Status cancelSelected = static_cast<Status>(0x800A7FF3u);

class DialogMembers final : public MemberObject
{
    Q_OBJECT
    // Kept with the dialog object as its stored settings made it.
    Q_PROPERTY(bool CancelError READ cancelError WRITE setCancelError STORED true)
    Q_PROPERTY(QString DialogTitle READ dialogTitle WRITE setDialogTitle STORED true)
    Q_PROPERTY(int Flags READ flags WRITE setFlags STORED true)
    // Stored too, but the dialog object refuses a stored Filter or FilterIndex that do not agree, while a
    // program sets them one at a time.
    Q_PROPERTY(QString Filter READ filter WRITE setFilter STORED false)
    Q_PROPERTY(int FilterIndex READ filterIndex WRITE setFilterIndex STORED false)
    Q_PROPERTY(QString FileName READ fileName WRITE setFileName STORED false)
    Q_PROPERTY(QString FileTitle READ fileTitle STORED false)
    Q_PROPERTY(QString DefaultExt READ defaultExt WRITE setDefaultExt STORED false)
    Q_PROPERTY(QString InitDir READ initDir WRITE setInitDir STORED false)
    Q_PROPERTY(int Color READ color WRITE setColor STORED false)
    Q_PROPERTY(QString FontName READ fontName WRITE setFontName STORED false)
    Q_PROPERTY(float FontSize READ fontSize WRITE setFontSize STORED false)
    Q_PROPERTY(bool FontBold READ fontBold WRITE setFontBold STORED false)
    Q_PROPERTY(bool FontItalic READ fontItalic WRITE setFontItalic STORED false)
public:
    // The dialog object the module made, holding the settings it was stored with.
    explicit DialogMembers(QObject &dialog);

    Q_INVOKABLE void ShowOpen();
    Q_INVOKABLE void ShowSave();
    Q_INVOKABLE void ShowColor();
    Q_INVOKABLE void ShowFont();

    bool cancelError() const;
    void setCancelError(bool on);
    QString dialogTitle() const;
    void setDialogTitle(const QString &title);
    int flags() const;
    void setFlags(int flags);
    QString filter() const;
    void setFilter(const QString &filter);
    int filterIndex() const;
    void setFilterIndex(int index);
    QString fileName() const { return fileName_; }
    void setFileName(const QString &name) { fileName_ = name; }
    QString fileTitle() const;
    QString defaultExt() const { return defaultExt_; }
    void setDefaultExt(const QString &extension) { defaultExt_ = extension; }
    QString initDir() const { return initDir_; }
    void setInitDir(const QString &directory) { initDir_ = directory; }
    int color() const { return color_; }
    void setColor(int color);
    QString fontName() const { return fontName_; }
    void setFontName(const QString &name) { fontName_ = name; }
    float fontSize() const { return fontSize_; }
    void setFontSize(float points);
    bool fontBold() const { return fontBold_; }
    void setFontBold(bool bold) { fontBold_ = bold; }
    bool fontItalic() const { return fontItalic_; }
    void setFontItalic(bool italic) { fontItalic_ = italic; }

private:
    void showFileDialog(bool save);
    // Runs the dialog modally over the form; false when the user cancelled it, which has then been refused
    // when CancelError asks for that.
    bool accepted(QDialog &dialog);

    QObject &dialog_;
    QString fileName_;
    QString defaultExt_;
    QString initDir_;
    int color_ = 0; // black
    QString fontName_;
    float fontSize_ = 8;
    bool fontBold_ = false;
    bool fontItalic_ = false;
};

} // namespace qv::mscomdlg
