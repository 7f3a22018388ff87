#include "list_image.h"

namespace qv::mscomctl
{

ListImage::ListImage(const kit::ItemList<ListImage> &images, QString path, QImage picture)
    : images_(images)
    , path_(std::move(path))
    , image_(std::move(picture))
{
}

void ListImage::setKey(const QString &key)
{
    if (std::optional<Failure> refused = images_.refusedKey(key, this))
        return refuse(*std::move(refused));
    key_ = key;
}

} // namespace qv::mscomctl
