#pragma once
// One band of the cool bar: a raised segment with a grip handle at its left edge.

#include <QFrame>

namespace qv::comctl3
{

class CoolBand final : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(int bandWidth READ bandWidth CONSTANT)
    Q_PROPERTY(int minHeight READ minHeight CONSTANT)
    Q_PROPERTY(bool newRow READ newRow CONSTANT)

public:
    // Width and minimum height in pixels; newRow: the band starts a row below the bands before it.
    struct Settings {
        int width = 100;
        int minHeight = 24;
        bool newRow = false;
    };

    CoolBand(const Settings &settings, QWidget *parent);
    int bandWidth() const { return settings_.width; }
    int minHeight() const { return settings_.minHeight; }
    bool newRow() const { return settings_.newRow; }

    QSize sizeHint() const override { return { settings_.width, settings_.minHeight }; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Settings settings_;
};

} // namespace qv::comctl3
