#pragma once
// Counted strings: what a text property read hands to its caller, released when the holder goes away. The
// runtime counts the strings alive, so a handler that keeps one too long shows up.

#include <quorvane/export.h>

#include <QString>
#include <QStringView>

namespace qv
{

class QUORVANE_EXPORT BStr
{
public:
    BStr();
    explicit BStr(QString text);
    BStr(const BStr &other);
    BStr(BStr &&other) noexcept;
    BStr &operator=(BStr other) noexcept;
    ~BStr();

    const QString &text() const { return text_; }
    QStringView view() const { return text_; }

private:
    // Fixed for every 2.x version of the runtime.
    QString text_;
};

// Binary comparison of two strings: 0 when equal, negative or positive by the first differing code unit.
QUORVANE_EXPORT int vbaStrCmp(QStringView left, QStringView right);

} // namespace qv
