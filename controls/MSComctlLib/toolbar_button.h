#pragma once
// One button of the tool bar, as a program reaches it through the bar's Buttons: its caption, key and tip,
// how it behaves (a plain button, a check button, one of a group, a separator, a place held for another
// control, a button with a drop-down arrow) and whether it is pressed.

#include "controls/kit/item_list.h"
#include <quorvane/member_object.h>

#include <QAction>
#include <QPointer>

class QToolBar;

namespace qv::mscomctl
{

class Button final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption STORED false)
    Q_PROPERTY(QString Key READ key WRITE setKey STORED false)
    Q_PROPERTY(int Index READ index STORED false)
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled STORED false)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible STORED false)
    Q_PROPERTY(ValueConstants Value READ value WRITE setValue STORED false)
    Q_PROPERTY(ButtonStyleConstants Style READ style WRITE setStyle STORED false)
    Q_PROPERTY(QString ToolTipText READ toolTipText WRITE setToolTipText STORED false)
    Q_PROPERTY(QVariant Image READ image WRITE setImage STORED false)
    Q_PROPERTY(QString Tag READ tag WRITE setTag STORED false)
public:
    enum ValueConstants { tbrUnpressed = 0, tbrPressed = 1 };
    Q_ENUM(ValueConstants)
    enum ButtonStyleConstants {
        tbrDefault = 0,
        tbrCheck = 1,
        tbrButtonGroup = 2,
        tbrSeparator = 3,
        tbrPlaceholder = 4,
        tbrDropdown = 5
    };
    Q_ENUM(ButtonStyleConstants)

    // Over an action the bar already shows.
    Button(const kit::ItemList<Button> &buttons, QToolBar &bar, QAction &action);

    QString caption() const;
    void setCaption(const QString &caption);
    QString key() const { return key_; }
    void setKey(const QString &key);
    int index() const { return buttons_.positionOf(*this) + 1; }
    bool enabled() const;
    void setEnabled(bool enabled);
    bool visible() const;
    void setVisible(bool visible);
    ValueConstants value() const;
    void setValue(ValueConstants value);
    ButtonStyleConstants style() const { return style_; }
    void setStyle(ButtonStyleConstants style);
    QString toolTipText() const { return toolTip_; }
    void setToolTipText(const QString &text);
    QVariant image() const { return image_; }
    void setImage(const QVariant &image);
    QString tag() const { return tag_; }
    void setTag(const QString &tag) { tag_ = tag; }

    QAction *action() const { return action_; }
    // A group's button pressed by a click lets go of the others of its group, as the one pressed stays
    // pressed.
    void pressedByClick();
    // Takes the button's action off the bar, to go with the button.
    void leaveBar();

private:
    // The buttons of the group this one is in: the run of group buttons around it.
    QList<Button *> group() const;

    const kit::ItemList<Button> &buttons_;
    QToolBar &bar_;
    QPointer<QAction> action_;
    QString key_;
    QString toolTip_;
    QString tag_;
    QVariant image_ = 0;
    ButtonStyleConstants style_ = tbrDefault;
};

} // namespace qv::mscomctl
