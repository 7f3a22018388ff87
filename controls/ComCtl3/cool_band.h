#pragma once
// One band of the cool bar: a raised segment with a grip handle at its left edge.

#include <QFrame>
#include <algorithm>

namespace qv::comctl3
{

class CoolBand final : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(int bandWidth READ bandWidth)
    Q_PROPERTY(int minHeight READ minHeight)
    Q_PROPERTY(bool newRow READ newRow)

public:
    // Width and minimum height in pixels; newRow: the band starts a row below the bands before it.
    struct Settings {
        int width = 100;
        int minHeight = 24;
        bool newRow = false;
    };

    CoolBand(const Settings &settings, QWidget *parent);
    int bandWidth() const { return settings_.width; }
    void setBandWidth(int pixels);
    int minHeight() const { return settings_.minHeight; }
    void setMinHeight(int pixels);
    int minWidth() const { return minWidth_; }
    void setMinWidth(int pixels);
    bool newRow() const { return settings_.newRow; }
    void setNewRow(bool newRow) { settings_.newRow = newRow; }
    QString caption() const { return caption_; }
    void setCaption(const QString &caption);

    QSize sizeHint() const override { return { std::max(settings_.width, minWidth_), settings_.minHeight }; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Settings settings_;
    int minWidth_ = 0;
    QString caption_;
};

} // namespace qv::comctl3
