#include "runtime/start/program_icon.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <algorithm>

namespace qv
{

namespace
{

bool isScalable(const QFileInfo &file)
{
    return file.suffix() == QLatin1String("svg") || file.suffix() == QLatin1String("svgz");
}

// Qt gives an icon one engine: the pixmap one keeps each drawn size, the SVG one keeps a single picture.
// This one holds an icon of each kind and asks the one that draws a size larger.
class DrawnAndScalableEngine final : public QIconEngine
{
public:
    DrawnAndScalableEngine(QIcon drawn, QIcon scalable)
        : drawn_(std::move(drawn))
        , scalable_(std::move(scalable))
    {
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return source(size, mode, state).pixmap(size, 1.0, mode, state);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio
            = painter->device() ? painter->device()->devicePixelRatio() : qApp->devicePixelRatio();
        source(rect.size() * ratio, mode, state).paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return source(size, mode, state).actualSize(size, mode, state);
    }

    // The drawn sizes and, where the scalable picture draws them, their doubles: what a display at 200 %
    // asks for. The X server's window manager gets these.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        const QList<QSize> drawnSizes = drawn_.availableSizes(mode, state);
        QList<QSize> sizes = drawnSizes;
        for (const QSize &size : drawnSizes) {
            if (scalableDrawsLarger(size * 2, mode, state) && !sizes.contains(size * 2))
                sizes.append(size * 2);
        }
        std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
        return sizes;
    }

    QIconEngine *clone() const override { return new DrawnAndScalableEngine(drawn_, scalable_); }
    bool isNull() override { return drawn_.isNull() && scalable_.isNull(); }

private:
    // Without Qt's SVG plugins the scalable icon is null or holds one small image, and the drawn one serves.
    bool scalableDrawsLarger(const QSize &size, QIcon::Mode mode, QIcon::State state) const
    {
        return !scalable_.isNull()
            && scalable_.actualSize(size, mode, state).width() > drawn_.actualSize(size, mode, state).width();
    }
    const QIcon &source(const QSize &size, QIcon::Mode mode, QIcon::State state) const
    {
        return scalableDrawsLarger(size, mode, state) ? scalable_ : drawn_;
    }

    QIcon drawn_;
    QIcon scalable_;
};

} // namespace

QIcon programIcon(const QString &iconGroup)
{
    if (iconGroup.isEmpty())
        return QIcon();
    const QFileInfo group(iconGroup);
    QIcon drawn(iconGroup);
    QIcon scalable;
    const QStringList sameName { group.baseName() + QLatin1String(".*") };
    for (const QFileInfo &file : group.dir().entryInfoList(sameName, QDir::Files, QDir::Name)) {
        if (file.filePath() == group.filePath())
            continue;
        if (isScalable(file))
            scalable.addFile(file.filePath());
        else
            drawn.addFile(file.filePath());
    }
    if (scalable.isNull())
        return drawn;
    return QIcon(new DrawnAndScalableEngine(drawn, scalable));
}

} // namespace qv
