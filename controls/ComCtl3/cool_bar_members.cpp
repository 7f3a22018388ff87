#include "cool_bar_members.h"
#include "cool_band.h"
#include "cool_bar.h"

#include "controls/interface/accessible_role.h"
#include "controls/interface/twips.h"

#include <QMouseEvent>
#include <QResizeEvent>

namespace qv::comctl3
{

namespace
{
// The largest a band is drawn, in twips: a window's reach in pixels at 15 twips a pixel.
constexpr float mostTwips = 32767 * 15.0f;

// A yes-or-no argument a program may leave out: `fallback` when it did.
Outcome<bool> yesOrNo(const QVariant &value, bool fallback, const QString &what)
{
    if (!value.isValid() || value.isNull())
        return fallback;
    bool number = false;
    const double given = value.toDouble(&number);
    if (value.metaType().id() == QMetaType::QString || !number)
        return failure(status::typeMismatch,
                       QStringLiteral("%1 is True or False, not %2").arg(what, value.toString()));
    return given != 0;
}
} // namespace

Band::Band(Bands &bands, CoolBand &band)
    : bands_(bands)
    , band_(&band)
    , width_(static_cast<float>(TwipsScale::of(band).toTwipsX(band.bandWidth())))
    , minHeight_(static_cast<float>(TwipsScale::of(band).toTwipsY(band.minHeight())))
{
}

CoolBand *Band::band() const
{
    return band_;
}

QString Band::caption() const
{
    CoolBand *const band = band_.data();
    return band ? band->caption() : QString();
}

void Band::setCaption(const QString &caption)
{
    CoolBand *const band = band_.data();
    if (band)
        band->setCaption(caption);
}

void Band::setKey(const QString &key)
{
    if (std::optional<Failure> refused = bands_.list().refusedKey(key, this))
        return refuse(*std::move(refused));
    key_ = key;
}

int Band::index() const
{
    return bands_.list().positionOf(*this) + 1;
}

std::optional<int> Band::pixels(float twips, const char *what)
{
    CoolBand *const band = band_.data();
    if (!(twips >= 0 && twips <= mostTwips)) {
        refuse(status::invalidPropertyValue,
               QStringLiteral("a band's %1 is 0 to %2 twips")
                   .arg(QLatin1String(what))
                   .arg(mostTwips, 0, 'f', 0));
        return std::nullopt;
    }
    return band ? TwipsScale::of(*band).toPixelsX(qRound(twips)) : 0;
}

void Band::setWidth(float twips)
{
    CoolBand *const band = band_.data();
    if (const std::optional<int> across = pixels(twips, "width")) {
        width_ = twips;
        if (band)
            band->setBandWidth(*across);
    }
}

void Band::setMinWidth(float twips)
{
    CoolBand *const band = band_.data();
    if (const std::optional<int> across = pixels(twips, "least width")) {
        minWidth_ = twips;
        if (band)
            band->setMinWidth(*across);
    }
}

void Band::setMinHeight(float twips)
{
    CoolBand *const band = band_.data();
    if (!pixels(twips, "least height"))
        return;
    minHeight_ = twips;
    if (band)
        band->setMinHeight(TwipsScale::of(*band).toPixelsY(qRound(twips)));
}

bool Band::newRow() const
{
    CoolBand *const band = band_.data();
    return band && band->newRow();
}

void Band::setNewRow(bool newRow)
{
    CoolBand *const band = band_.data();
    if (!band)
        return;
    band->setNewRow(newRow);
    bands_.arrange();
}

void Band::setVisible(bool visible)
{
    CoolBand *const band = band_.data();
    visible_ = visible;
    if (!band)
        return;
    band->setVisible(visible);
    bands_.arrange();
}

void Band::setImage(const QVariant &image)
{
    if (std::optional<Failure> refused = kit::refusedImage(image))
        return refuse(*std::move(refused));
    image_ = image;
}

Bands::Bands(QFrame &bar)
    : bar_(bar)
{
    for (CoolBand *band : bar.findChildren<CoolBand *>(Qt::FindDirectChildrenOnly)) {
        auto *item = new Band(*this, *band);
        item->setParent(this);
        bands_.insert(bands_.count(), *item);
    }
    made_ = bands_.count();
}

void Bands::arrange()
{
    QList<CoolBand *> shown;
    for (const Band *band : bands_.all()) {
        if (band->band())
            shown << band->band();
    }
    arrangeBands(bar_, shown);
}

QObject *Bands::Add(const QVariant &Index, const QVariant &Key, const QVariant &Caption,
                    const QVariant &Image, const QVariant &NewRow, const QVariant &Child,
                    const QVariant &Visible)
{
    const Outcome<int> at = bands_.placeFor(Index);
    const Outcome<bool> newRow = yesOrNo(NewRow, false, QStringLiteral("NewRow"));
    const Outcome<bool> visible = yesOrNo(Visible, true, QStringLiteral("Visible"));
    std::optional<Failure> refused = !at ? at.failure()
        : !newRow                        ? newRow.failure()
        : !visible                       ? visible.failure()
        : Child.isValid() && !Child.isNull()
        ? failure(status::invalidProcedureCall, QStringLiteral("a band of this bar holds no control"))
        : bands_.refusedKey(Key);
    if (!refused)
        refused = kit::refusedImage(Image);
    if (refused) {
        refuse(*std::move(refused));
        return nullptr;
    }
    ++made_;
    auto *band = new CoolBand(CoolBand::Settings {}, &bar_);
    band->setObjectName(QStringLiteral("band%1").arg(made_));
    band->setAccessibleName(QStringLiteral("Band %1").arg(made_));
    presentAs(*band, QAccessible::Pane);
    band->setNewRow(newRow.value());
    band->setCaption(kit::textArgument(Caption));
    band->setVisible(visible.value());
    auto *item = new Band(*this, *band);
    item->setParent(this);
    bands_.insert(at.value(), *item);
    item->setKey(kit::keyText(Key));
    if (!visible.value())
        item->setVisible(false);
    arrange();
    return item;
}

QObject *Bands::Item(const QVariant &Index)
{
    Outcome<Band *> found = bands_.find(Index);
    if (!found) {
        refuse(std::move(found).failure());
        return nullptr;
    }
    return found.value();
}

void Bands::Remove(const QVariant &Index)
{
    Outcome<Band *> found = bands_.find(Index);
    if (!found)
        return refuse(std::move(found).failure());
    Band *band = bands_.take(bands_.positionOf(*found.value()));
    if (CoolBand *shown = band->band()) {
        shown->hide();
        // Later: the band may go while a click on it is being delivered.
        shown->deleteLater();
    }
    delete band;
    arrange();
}

void Bands::Clear()
{
    while (count() > 0)
        Remove(QVariant(1));
}

CoolBarMembers::CoolBarMembers(QFrame &bar)
    : bar_(bar)
    , bands_(new comctl3::Bands(bar))
{
    bands_->setParent(this);
    bar.installEventFilter(this);
}

bool CoolBarMembers::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &bar_)
        return false;
    if (event->type() == QEvent::Resize) {
        const auto *resize = static_cast<QResizeEvent *>(event);
        if (resize->oldSize().isValid() && resize->oldSize().height() != resize->size().height())
            emit HeightChanged(static_cast<float>(TwipsScale::of(bar_).toTwipsY(resize->size().height())));
    } else if (event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        // A band takes no click of its own: one on a band reaches the bar.
        emit Click();
    }
    return false;
}

} // namespace qv::comctl3
