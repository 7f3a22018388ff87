#pragma once
// The rich text box's own members: its text plain and as rich text, the selection and its format, files
// loaded and saved, and its changes.

#include <quorvane/member_object.h>

#include <QTextCursor>

class QTextEdit;

namespace qv::richtextlib
{

class RichTextBoxMembers final : public MemberObject
{
    Q_OBJECT
    // Paragraphs end in CR LF, and positions (SelStart) count both.
    Q_PROPERTY(QString Text READ text WRITE setText STORED false)
    // The document as rich text: what rich_text_writer.h writes, and any document rich_text_reader.h reads.
    // Stored in the control's block, but read there by the control's maker.
    Q_PROPERTY(QString TextRTF READ textRTF WRITE setTextRTF STORED false)
    Q_PROPERTY(int SelStart READ selStart WRITE setSelStart STORED false)
    Q_PROPERTY(int SelLength READ selLength WRITE setSelLength STORED false)
    Q_PROPERTY(QString SelText READ selText WRITE setSelText STORED false)
    // The selection's format, read at its first character; with nothing selected, that of what is typed next.
    Q_PROPERTY(bool SelBold READ selBold WRITE setSelBold STORED false)
    Q_PROPERTY(bool SelItalic READ selItalic WRITE setSelItalic STORED false)
    Q_PROPERTY(int SelColor READ selColor WRITE setSelColor STORED false)
    Q_PROPERTY(bool Locked READ locked WRITE setLocked STORED false)
public:
    enum LoadSaveConstants { rtfRTF = 0, rtfText = 1 };
    Q_ENUM(LoadSaveConstants)

    explicit RichTextBoxMembers(QTextEdit &edit);

    QString text() const;
    void setText(const QString &text);
    QString textRTF() const;
    void setTextRTF(const QString &rtf);
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    void setSelText(const QString &text);
    bool selBold() const;
    void setSelBold(bool bold);
    bool selItalic() const;
    void setSelItalic(bool italic);
    int selColor() const;
    void setSelColor(int color);
    bool locked() const;
    void setLocked(bool locked);

    // A rich-text document (rtfRTF) or plain text in UTF-8 (rtfText), in place of what the box holds.
    Q_INVOKABLE void LoadFile(const QString &FileName, int FileType = rtfRTF);
    Q_INVOKABLE void SaveFile(const QString &FileName, int FileType = rtfRTF);

signals:
    // The text or its format changed, by the user or the program.
    void Change();
    // The selection or the insertion point moved.
    void SelChange();

private:
    void noticeSelection();
    QTextCharFormat selectionFormat() const;
    void formatSelection(const QTextCharFormat &format);
    // Where a position of Text is in the document, or nothing when it is past the end or inside a CR LF.
    std::optional<int> documentPosition(int textPosition) const;
    int textPosition(int documentPosition) const;
    bool refusedFileType(int type);

    QTextEdit &edit_;
    int anchor_ = 0;
    int position_ = 0;
};

} // namespace qv::richtextlib
