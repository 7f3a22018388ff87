#pragma once
// One panel of the status bar, as a program reaches it through the bar's Panels: its text or what it shows
// instead (the time, the date), its key, its size in twips and how it sizes itself, its look.

#include "controls/kit/item_list.h"
#include <quorvane/member_object.h>

#include <QLabel>
#include <QPointer>

class QStatusBar;
class QTimer;

namespace qv::mscomctl
{

class Panel final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText STORED false)
    Q_PROPERTY(QString Key READ key WRITE setKey STORED false)
    Q_PROPERTY(int Index READ index STORED false)
    Q_PROPERTY(PanelStyleConstants Style READ style WRITE setStyle STORED false)
    Q_PROPERTY(float Width READ width WRITE setWidth STORED false)
    Q_PROPERTY(float MinWidth READ minWidth WRITE setMinWidth STORED false)
    Q_PROPERTY(PanelAutoSizeConstants AutoSize READ autoSize WRITE setAutoSize STORED false)
    Q_PROPERTY(PanelAlignmentConstants Alignment READ alignment WRITE setAlignment STORED false)
    Q_PROPERTY(PanelBevelConstants Bevel READ bevel WRITE setBevel STORED false)
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled STORED false)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible STORED false)
    Q_PROPERTY(QString ToolTipText READ toolTipText WRITE setToolTipText STORED false)
    Q_PROPERTY(QString Picture READ picture WRITE setPicture STORED false)
    Q_PROPERTY(QString Tag READ tag WRITE setTag STORED false)
public:
    enum PanelStyleConstants {
        sbrText = 0,
        sbrCaps = 1,
        sbrNum = 2,
        sbrIns = 3,
        sbrScrl = 4,
        sbrTime = 5,
        sbrDate = 6,
        sbrKana = 7
    };
    Q_ENUM(PanelStyleConstants)
    enum PanelAutoSizeConstants { sbrNoAutoSize = 0, sbrSpring = 1, sbrContents = 2 };
    Q_ENUM(PanelAutoSizeConstants)
    enum PanelAlignmentConstants { sbrLeft = 0, sbrCenter = 1, sbrRight = 2 };
    Q_ENUM(PanelAlignmentConstants)
    enum PanelBevelConstants { sbrNoBevel = 0, sbrInset = 1, sbrRaised = 2 };
    Q_ENUM(PanelBevelConstants)

    // Over a label the bar already shows, taking its text.
    Panel(const kit::ItemList<Panel> &panels, QStatusBar &bar, QLabel &label);

    // Why a panel cannot show `style` on this machine, or nothing when it can.
    static std::optional<Failure> refusedStyle(int style);

    QString text() const { return text_; }
    void setText(const QString &text);
    QString key() const { return key_; }
    void setKey(const QString &key);
    int index() const { return panels_.positionOf(*this) + 1; }
    PanelStyleConstants style() const { return style_; }
    void setStyle(PanelStyleConstants style);
    float width() const { return width_; }
    void setWidth(float twips);
    float minWidth() const { return minWidth_; }
    void setMinWidth(float twips);
    PanelAutoSizeConstants autoSize() const { return autoSize_; }
    void setAutoSize(PanelAutoSizeConstants autoSize);
    PanelAlignmentConstants alignment() const { return alignment_; }
    void setAlignment(PanelAlignmentConstants alignment);
    PanelBevelConstants bevel() const { return bevel_; }
    void setBevel(PanelBevelConstants bevel);
    bool enabled() const;
    void setEnabled(bool enabled);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    QString toolTipText() const;
    void setToolTipText(const QString &text);
    QString picture() const { return picture_; }
    void setPicture(const QString &path);
    QString tag() const { return tag_; }
    void setTag(const QString &tag) { tag_ = tag; }

    QLabel *label() const { return label_; }
    // Shows the panel when it is visible and the bar shows its panels (a simple bar shows none).
    void showOn(bool barShowsPanels);
    // Takes the panel's label off the bar, to go with the panel.
    void leaveBar();

private:
    bool refusedTwips(float twips, const char *what);
    void showText();
    void applyWidth();

    const kit::ItemList<Panel> &panels_;
    QStatusBar &bar_;
    QPointer<QLabel> label_;
    QTimer *clock_ = nullptr;
    QString text_;
    QString key_;
    QString picture_;
    QString tag_;
    PanelStyleConstants style_ = sbrText;
    PanelAutoSizeConstants autoSize_ = sbrNoAutoSize;
    PanelAlignmentConstants alignment_ = sbrLeft;
    PanelBevelConstants bevel_ = sbrInset;
    float width_ = 1440;
    float minWidth_ = 1440;
    bool visible_ = true;
    bool barShowsPanels_ = true;
};

} // namespace qv::mscomctl
