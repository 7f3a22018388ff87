#pragma once
// The cool bar's own members: its bands, each with its caption, size in twips and row, and the click on the
// bar or a band and the bar's change of height.

#include "controls/kit/item_list.h"
#include <quorvane/member_object.h>

#include <QPointer>

class QFrame;

namespace qv::comctl3
{

class Bands;
class CoolBand;

class Band final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption STORED false)
    Q_PROPERTY(QString Key READ key WRITE setKey STORED false)
    Q_PROPERTY(int Index READ index STORED false)
    Q_PROPERTY(float Width READ width WRITE setWidth STORED false)
    Q_PROPERTY(float MinWidth READ minWidth WRITE setMinWidth STORED false)
    Q_PROPERTY(float MinHeight READ minHeight WRITE setMinHeight STORED false)
    Q_PROPERTY(bool NewRow READ newRow WRITE setNewRow STORED false)
    Q_PROPERTY(bool Visible READ visible WRITE setVisible STORED false)
    Q_PROPERTY(QVariant Image READ image WRITE setImage STORED false)
    Q_PROPERTY(QString Tag READ tag WRITE setTag STORED false)
public:
    // Over a band the bar already shows, its sizes read in twips.
    Band(Bands &bands, CoolBand &band);

    QString caption() const;
    void setCaption(const QString &caption);
    QString key() const { return key_; }
    void setKey(const QString &key);
    int index() const;
    float width() const { return width_; }
    void setWidth(float twips);
    float minWidth() const { return minWidth_; }
    void setMinWidth(float twips);
    float minHeight() const { return minHeight_; }
    void setMinHeight(float twips);
    bool newRow() const;
    void setNewRow(bool newRow);
    bool visible() const { return visible_; }
    void setVisible(bool visible);
    QVariant image() const { return image_; }
    void setImage(const QVariant &image);
    QString tag() const { return tag_; }
    void setTag(const QString &tag) { tag_ = tag; }

    CoolBand *band() const;

private:
    // The pixels of a size in twips, or nothing when it is refused.
    std::optional<int> pixels(float twips, const char *what);

    Bands &bands_;
    QPointer<CoolBand> band_;
    QString key_;
    QString tag_;
    QVariant image_ = 0;
    float width_;
    float minWidth_ = 0;
    float minHeight_;
    bool visible_ = true;
};

// The bar's bands, counted from 1 in the order the bar lays them out.
class Bands final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(int Count READ count STORED false)
public:
    explicit Bands(QFrame &bar);

    int count() const { return bands_.count(); }
    const kit::ItemList<Band> &list() const { return bands_; }
    QFrame &bar() const { return bar_; }
    // Lays the bands out again, after one has changed its row or come or gone.
    void arrange();

    Q_INVOKABLE QObject *Add(const QVariant &Index = QVariant(), const QVariant &Key = QVariant(),
                             const QVariant &Caption = QVariant(), const QVariant &Image = QVariant(),
                             const QVariant &NewRow = QVariant(), const QVariant &Child = QVariant(),
                             const QVariant &Visible = QVariant());
    Q_INVOKABLE QObject *Item(const QVariant &Index);
    Q_INVOKABLE void Remove(const QVariant &Index);
    Q_INVOKABLE void Clear();

private:
    QFrame &bar_;
    kit::ItemList<Band> bands_;
    // Names new bands after the bar's own, which are numbered from 1.
    int made_ = 0;
};

class CoolBarMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *Bands READ bands STORED false)
public:
    explicit CoolBarMembers(QFrame &bar);

    QObject *bands() const { return bands_; }

signals:
    void HeightChanged(float NewHeight);
    void Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QFrame &bar_;
    comctl3::Bands *bands_;
};

} // namespace qv::comctl3
