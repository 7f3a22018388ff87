#include "runtime/core/string_count.h"
#include <quorvane/bstr.h>

#include <atomic>

namespace qv
{

namespace
{
std::atomic<int> live { 0 };
}

int liveStrings()
{
    return live.load();
}

BStr::BStr()
{
    ++live;
}

BStr::BStr(QString text)
    : text_(std::move(text))
{
    ++live;
}

BStr::BStr(const BStr &other)
    : text_(other.text_)
{
    ++live;
}

BStr::BStr(BStr &&other) noexcept
    : text_(std::move(other.text_))
{
    ++live;
}

BStr &BStr::operator=(BStr other) noexcept
{
    text_.swap(other.text_);
    return *this;
}

BStr::~BStr()
{
    --live;
}

int vbaStrCmp(QStringView left, QStringView right)
{
    const int order = left.compare(right, Qt::CaseSensitive);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

} // namespace qv
