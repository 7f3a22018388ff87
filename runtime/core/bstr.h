#pragma once
// Counted strings: what a text property read hands to its caller, released when the holder goes away.
// The number of strings alive is observable, so a leak of one shows up in the tests.

#include <QString>
#include <QStringView>

namespace qv
{

class BStr
{
public:
    BStr() { ++live_; }
    explicit BStr(QString text)
        : text_(std::move(text))
    {
        ++live_;
    }
    BStr(const BStr &other)
        : text_(other.text_)
    {
        ++live_;
    }
    BStr(BStr &&other) noexcept
        : text_(std::move(other.text_))
    {
        ++live_;
    }
    BStr &operator=(BStr other) noexcept
    {
        text_.swap(other.text_);
        return *this;
    }
    ~BStr() { --live_; }

    const QString &text() const { return text_; }
    QStringView view() const { return text_; }

    static int liveCount() { return live_; }

private:
    QString text_;
    static inline int live_ = 0;
};

// Binary comparison of two strings: 0 when equal, negative or positive by the first differing code unit.
int vbaStrCmp(QStringView left, QStringView right);

} // namespace qv
