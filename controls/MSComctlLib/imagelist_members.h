#pragma once
// The image list's own members: its pictures, each read from a file a program names and kept at the list's
// size, which is fixed once the list holds any; and the colours it draws them with.

#include "list_image.h"

namespace qv::mscomctl
{

// The list's pictures, counted from 1.
class ListImages final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(int Count READ count STORED false)
public:
    explicit ListImages(QObject &list);

    int count() const { return images_.count(); }

    // Picture: the file the picture is read from.
    Q_INVOKABLE QObject *Add(const QVariant &Index, const QVariant &Key, const QString &Picture);
    Q_INVOKABLE QObject *Item(const QVariant &Index);
    Q_INVOKABLE void Remove(const QVariant &Index);
    Q_INVOKABLE void Clear();

private:
    QObject &list_;
    kit::ItemList<ListImage> images_;
};

class ImageListMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(int ImageWidth READ imageWidth WRITE setImageWidth STORED true)
    Q_PROPERTY(int ImageHeight READ imageHeight WRITE setImageHeight STORED true)
    Q_PROPERTY(int MaskColor READ maskColor WRITE setMaskColor STORED false)
    Q_PROPERTY(bool UseMaskColor READ useMaskColor WRITE setUseMaskColor STORED false)
    Q_PROPERTY(int BackColor READ backColor WRITE setBackColor STORED false)
    Q_PROPERTY(QObject *ListImages READ listImages STORED false)
public:
    explicit ImageListMembers(QObject &list);

    int imageWidth() const;
    void setImageWidth(int pixels);
    int imageHeight() const;
    void setImageHeight(int pixels);
    int maskColor() const { return maskColor_; }
    void setMaskColor(int color);
    bool useMaskColor() const { return useMaskColor_; }
    void setUseMaskColor(bool use) { useMaskColor_ = use; }
    int backColor() const { return backColor_; }
    void setBackColor(int color);
    QObject *listImages() const { return images_; }

private:
    void setSide(const char *side, int pixels);
    bool refusedColor(int color);

    QObject &list_;
    mscomctl::ListImages *images_;
    // Light grey, the colour pictures of the time left around what they show.
    int maskColor_ = 0xC0C0C0;
    bool useMaskColor_ = true;
    // The system's window background.
    int backColor_ = static_cast<int>(0x80000005u);
};

} // namespace qv::mscomctl
