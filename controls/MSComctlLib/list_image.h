#pragma once
// One picture of the image list, as a program reaches it through the list's ListImages: its key, its tag, the
// file it was read from, and the picture itself at the list's size for the controls that show it.

#include "controls/kit/item_list.h"
#include <quorvane/member_object.h>

#include <QImage>

namespace qv::mscomctl
{

class ListImage final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QString Key READ key WRITE setKey STORED false)
    Q_PROPERTY(int Index READ index STORED false)
    Q_PROPERTY(QString Tag READ tag WRITE setTag STORED false)
    Q_PROPERTY(QString Picture READ picture STORED false)
public:
    ListImage(const kit::ItemList<ListImage> &images, QString path, QImage picture);

    QString key() const { return key_; }
    void setKey(const QString &key);
    int index() const { return images_.positionOf(*this) + 1; }
    QString tag() const { return tag_; }
    void setTag(const QString &tag) { tag_ = tag; }
    QString picture() const { return path_; }
    const QImage &image() const { return image_; }

private:
    const kit::ItemList<ListImage> &images_;
    QString path_;
    QImage image_;
    QString key_;
    QString tag_;
};

} // namespace qv::mscomctl
