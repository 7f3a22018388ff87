#pragma once
// The picture box's widget: a sunken frame filled with the button face, like the classic control's default
// background, showing its picture at its top left corner, at the picture's own size. It holds the controls
// placed in it.

#include <QFrame>
#include <QImage>

namespace qv::builtin
{

class PictureBoxFrame final : public QFrame
{
    Q_OBJECT
public:
    explicit PictureBoxFrame(QWidget &container);

    const QImage &picture() const { return picture_; }
    // A null image shows none.
    void setPicture(QImage picture);
    // The size that shows the whole picture inside the frame.
    QSize sizeFor(QSize picture) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture_;
};

} // namespace qv::builtin
