#pragma once
// The members every control has, whatever its class: its name and its tag; for a control drawn on its
// container its visibility, Refresh and ZOrder, and for one with a position and size those in twips and
// Move; for a control with a window of its own what the form gives every such control (colours, font, tool
// tip, SetFocus, focus, key and mouse events). A class's own members derive from these.

#include "runtime/core/member_object.h"
#include <quorvane/form_description.h>

#include <QColor>
#include <QPointer>
#include <QWidget>
#include <limits>
#include <optional>

namespace qv
{

// Colours as the forms runtime holds them: a Long of the form &H00BBGGRR; none for a Long outside that.
int toColorValue(const QColor &color);
std::optional<QColor> fromColorValue(int value);

class ControlMembers : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ name CONSTANT STORED false)
    Q_PROPERTY(QString Tag READ tag WRITE setTag)
public:
    ControlMembers(QObject &object, const ControlRecord &record);

    QString name() const;
    QString tag() const { return tag_; }
    void setTag(const QString &tag) { tag_ = tag; }

protected:
    QObject *object() const { return object_.data(); }
    const ControlRecord &record() const { return record_; }

private:
    QPointer<QObject> object_;
    const ControlRecord &record_;
    QString tag_;
};

// A control drawn on its container that takes no input of its own, the line: whether it shows, and its
// place among its siblings.
class DrawnMembers : public ControlMembers
{
    Q_OBJECT
    Q_PROPERTY(bool Visible READ visible WRITE setVisible)
public:
    DrawnMembers(QWidget &widget, const ControlRecord &record);

    bool visible() const;
    void setVisible(bool visible);

    Q_INVOKABLE void Refresh();
    // 0 brings the control to the front of its container, 1 sends it to the back.
    Q_INVOKABLE void ZOrder(int Position = 0);

protected:
    // The members are the widget's child: the widget outlives them.
    QWidget *widget() const { return &widget_; }
    // Refuses a position or size, in twips, farther than a window reaches; true when it did.
    bool refusedAsBeyondReach(double twips);
    // The colour a Long written to a colour property stands for; refused when it stands for none.
    std::optional<QColor> colorOrRefuse(int value);

private:
    QWidget &widget_;
};

// A drawn control with a position and a size, the shape: in twips, as the form places it.
class PlacedMembers : public DrawnMembers
{
    Q_OBJECT
    Q_PROPERTY(int Left READ left WRITE setLeft STORED true)
    Q_PROPERTY(int Top READ top WRITE setTop STORED true)
    Q_PROPERTY(int Width READ width WRITE setWidth STORED true)
    Q_PROPERTY(int Height READ height WRITE setHeight STORED true)
public:
    using DrawnMembers::DrawnMembers;

    int left() const;
    int top() const;
    int width() const;
    int height() const;
    void setLeft(int twips) { place(twips, {}, {}, {}); }
    void setTop(int twips) { place({}, twips, {}, {}); }
    void setWidth(int twips) { place({}, {}, twips, {}); }
    void setHeight(int twips) { place({}, {}, {}, twips); }

    // In twips; an argument left out keeps what is.
    Q_INVOKABLE void Move(float Left, float Top = omitted, float Width = omitted, float Height = omitted);

private:
    void place(std::optional<double> left, std::optional<double> top, std::optional<double> width,
               std::optional<double> height);
};

class WindowedMembers : public PlacedMembers
{
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(int TabIndex READ tabIndex STORED true)
    Q_PROPERTY(int ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(int BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QString ToolTipText READ toolTipText WRITE setToolTipText)
    Q_PROPERTY(QString FontName READ fontName WRITE setFontName)
    Q_PROPERTY(float FontSize READ fontSize WRITE setFontSize)
    Q_PROPERTY(bool FontBold READ fontBold WRITE setFontBold)
    Q_PROPERTY(bool FontItalic READ fontItalic WRITE setFontItalic)
    Q_PROPERTY(bool FontUnderline READ fontUnderline WRITE setFontUnderline)
    Q_PROPERTY(bool FontStrikethru READ fontStrikethru WRITE setFontStrikethru)
public:
    WindowedMembers(QWidget &widget, const ControlRecord &record);

    bool enabled() const;
    void setEnabled(bool enabled);
    bool tabStop() const;
    void setTabStop(bool stop);
    int tabIndex() const { return record().tabIndex; }
    int foreColor() const;
    void setForeColor(int color);
    int backColor() const;
    void setBackColor(int color);
    QString toolTipText() const;
    void setToolTipText(const QString &text);
    QString fontName() const;
    void setFontName(const QString &name);
    float fontSize() const;
    void setFontSize(float points);
    bool fontBold() const;
    void setFontBold(bool bold);
    bool fontItalic() const;
    void setFontItalic(bool italic);
    bool fontUnderline() const;
    void setFontUnderline(bool underline);
    bool fontStrikethru() const;
    void setFontStrikethru(bool strikethru);

    Q_INVOKABLE void SetFocus();

signals:
    void GotFocus();
    void LostFocus();
    // A key's code and the shift keys held (1 Shift, 2 Ctrl, 4 Alt); a KeyDown handler that sets KeyCode to 0
    // keeps the key from the control.
    void KeyDown(short &KeyCode, short Shift);
    // The character typed; a handler that sets KeyAscii to 0 swallows it.
    void KeyPress(short &KeyAscii);
    void KeyUp(short &KeyCode, short Shift);
    // The buttons (1 left, 2 right, 4 middle), the shift keys, and where, in twips from the control's corner.
    void MouseDown(short Button, short Shift, float X, float Y);
    void MouseUp(short Button, short Shift, float X, float Y);
    void MouseMove(short Button, short Shift, float X, float Y);
    void DblClick();

protected:
    // The widget's input, turned into the events above.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    template<class Change> void changeFont(Change change);
    Qt::FocusPolicy focusPolicy_;
    bool resending_ = false;
};

} // namespace qv
