#pragma once
// One tab of the tab strip, as a program reaches it through the strip's Tabs: its caption, key and tip, and
// whether it is the one selected.

#include <quorvane/member_object.h>

#include <QVariant>

namespace qv::mscomctl
{

class Tabs;

class Tab final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption STORED false)
    Q_PROPERTY(QString Key READ key WRITE setKey STORED false)
    Q_PROPERTY(int Index READ index STORED false)
    Q_PROPERTY(bool Selected READ selected WRITE setSelected STORED false)
    Q_PROPERTY(QString ToolTipText READ toolTipText WRITE setToolTipText STORED false)
    Q_PROPERTY(QVariant Image READ image WRITE setImage STORED false)
    Q_PROPERTY(QString Tag READ tag WRITE setTag STORED false)
public:
    explicit Tab(Tabs &tabs);

    QString caption() const;
    void setCaption(const QString &caption);
    QString key() const { return key_; }
    void setKey(const QString &key);
    int index() const;
    bool selected() const;
    void setSelected(bool selected);
    QString toolTipText() const;
    void setToolTipText(const QString &text);
    QVariant image() const { return image_; }
    void setImage(const QVariant &image);
    QString tag() const { return tag_; }
    void setTag(const QString &tag) { tag_ = tag; }

private:
    Tabs &tabs_;
    QString key_;
    QString tag_;
    QVariant image_ = 0;
};

} // namespace qv::mscomctl
