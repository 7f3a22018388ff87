#pragma once
// The members of the picture box and the image: the picture, given as the name of the file it is read from,
// and how the control and its picture fit each other.

#include "runtime/core/control_members.h"

class QLabel;

namespace qv::builtin
{

class PictureBoxFrame;

// What both classes do with their picture.
class PictureMembers : public WindowedMembers
{
    Q_OBJECT
    // The file the picture was read from; writing one reads it, an empty name takes the picture away.
    Q_PROPERTY(QString Picture READ picture WRITE setPicture)
public:
    using WindowedMembers::WindowedMembers;

    QString picture() const { return file_; }
    void setPicture(const QString &file);

signals:
    void Click();

protected:
    // Shows the picture just read, or none for a null image.
    virtual void show(const QImage &picture) = 0;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString file_;
};

class ImageMembers final : public PictureMembers
{
    Q_OBJECT
    // True: the picture is scaled to the control; false: the control takes the picture's size.
    Q_PROPERTY(bool Stretch READ stretch WRITE setStretch)
public:
    ImageMembers(QLabel &image, const ControlRecord &record);
    bool stretch() const;
    void setStretch(bool stretch);

protected:
    void show(const QImage &picture) override;

private:
    QLabel &image() const;
    void fitToPicture();
};

class PictureBoxMembers final : public PictureMembers
{
    Q_OBJECT
    // True: the box takes the size that shows its whole picture.
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
public:
    PictureBoxMembers(PictureBoxFrame &box, const ControlRecord &record);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);

signals:
    void Resize();

protected:
    void show(const QImage &picture) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PictureBoxFrame &box() const;
    void fitToPicture();
    bool autoSize_ = false;
};

} // namespace qv::builtin
