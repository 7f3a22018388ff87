#include "imagelist_members.h"
#include "imagelist.h"
#include "picture_file.h"

namespace qv::mscomctl
{

namespace
{
// The common controls' error for a property that cannot change once the control holds items.
constexpr Status readOnlyWhileFilled = static_cast<Status>(0x800A8B1Bu); // 35611

// An OLE colour: &H00BBGGRR, or one of the system's colours &H80000000 to &H80000018.
bool isOleColor(int color)
{
    const auto bits = static_cast<unsigned>(color);
    return bits <= 0xFFFFFFu || (bits >= 0x80000000u && bits <= 0x80000018u);
}
} // namespace

ListImages::ListImages(QObject &list)
    : list_(list)
{
}

QObject *ListImages::Add(const QVariant &Index, const QVariant &Key, const QString &Picture)
{
    const Outcome<int> at = images_.placeFor(Index);
    if (!at) {
        refuse(at.failure());
        return nullptr;
    }
    if (std::optional<Failure> refused = images_.refusedKey(Key)) {
        refuse(*std::move(refused));
        return nullptr;
    }
    Outcome<QImage> read = readPicture(Picture);
    if (!read) {
        refuse(std::move(read).failure());
        return nullptr;
    }
    // Every picture of a list is the list's size, as the controls that show them draw them.
    const QSize size(list_.property("ImageWidth").toInt(), list_.property("ImageHeight").toInt());
    auto *image = new ListImage(images_, Picture,
                                read.value().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    image->setParent(this);
    images_.insert(at.value(), *image);
    image->setKey(kit::keyText(Key));
    return image;
}

QObject *ListImages::Item(const QVariant &Index)
{
    Outcome<ListImage *> found = images_.find(Index);
    if (!found) {
        refuse(std::move(found).failure());
        return nullptr;
    }
    return found.value();
}

void ListImages::Remove(const QVariant &Index)
{
    Outcome<ListImage *> found = images_.find(Index);
    if (!found)
        return refuse(std::move(found).failure());
    delete images_.take(images_.positionOf(*found.value()));
}

void ListImages::Clear()
{
    while (count() > 0)
        delete images_.take(0);
}

ImageListMembers::ImageListMembers(QObject &list)
    : list_(list)
    , images_(new mscomctl::ListImages(list))
{
    images_->setParent(this);
}

int ImageListMembers::imageWidth() const
{
    return list_.property("ImageWidth").toInt();
}

void ImageListMembers::setImageWidth(int pixels)
{
    setSide("ImageWidth", pixels);
}

int ImageListMembers::imageHeight() const
{
    return list_.property("ImageHeight").toInt();
}

void ImageListMembers::setImageHeight(int pixels)
{
    setSide("ImageHeight", pixels);
}

void ImageListMembers::setSide(const char *side, int pixels)
{
    if (pixels < 1 || pixels > largestImage)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("an image is 1 to %1 pixels on a side").arg(largestImage));
    const int now = list_.property(side).toInt();
    if (images_->count() > 0 && pixels != now)
        return refuse(readOnlyWhileFilled,
                      QStringLiteral("the list holds %1 images of %2 pixels: %3 is fixed "
                                     "until they are cleared")
                          .arg(images_->count())
                          .arg(now)
                          .arg(QLatin1String(side)));
    list_.setProperty(side, pixels);
}

bool ImageListMembers::refusedColor(int color)
{
    if (isOleColor(color))
        return false;
    refuse(status::invalidPropertyValue,
           QStringLiteral("a colour is &H00BBGGRR (blue, green and red) or a system colour &H80000000 to "
                          "&H80000018"));
    return true;
}

void ImageListMembers::setMaskColor(int color)
{
    if (!refusedColor(color))
        maskColor_ = color;
}

void ImageListMembers::setBackColor(int color)
{
    if (!refusedColor(color))
        backColor_ = color;
}

} // namespace qv::mscomctl
