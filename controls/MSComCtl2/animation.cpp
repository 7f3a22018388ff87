#include "animation.h"

#include "controls/interface/accessible_role.h"
#include "controls/interface/checked_block.h"

#include <QImageReader>
#include <QPainter>

namespace qv::mscomctl2
{

namespace
{
// A frame that does not say how long it shows shows this long.
constexpr int usualDelay = 100;
} // namespace

std::optional<AnimationClip> readClip(const QString &file, QString &why)
{
    QImageReader reader(file);
    if (!reader.canRead()) {
        why = QStringLiteral(
                  "it is no animated picture this control reads, such as a GIF (%1); AVI clips are "
                  "not read here")
                  .arg(reader.errorString());
        return std::nullopt;
    }
    if (!reader.supportsAnimation()) {
        why = QStringLiteral("it is a still %1 picture, not a clip")
                  .arg(QString::fromLatin1(reader.format()));
        return std::nullopt;
    }
    AnimationClip clip;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
        clip.frames.push_back(frame);
        const int delay = reader.nextImageDelay();
        clip.delays.push_back(delay > 0 ? delay : usualDelay);
        if (!reader.canRead())
            break;
    }
    if (clip.frames.empty()) {
        why = QStringLiteral("it holds no frame that reads (%1)").arg(reader.errorString());
        return std::nullopt;
    }
    return clip;
}

AnimationArea::AnimationArea(QWidget *parent)
    : QFrame(parent)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &AnimationArea::advance);
}

void AnimationArea::setClip(AnimationClip clip)
{
    timer_.stop();
    clip_ = std::move(clip);
    show(clip_.frames.empty() ? -1 : 0);
}

void AnimationArea::play(int repeats, int first, int last)
{
    first_ = first;
    last_ = last;
    repeatsLeft_ = repeats;
    show(first);
    timer_.start(clip_.delays[static_cast<std::size_t>(first)]);
}

void AnimationArea::stop()
{
    timer_.stop();
}

void AnimationArea::advance()
{
    int next = shown_ + 1;
    if (next > last_) {
        if (repeatsLeft_ > 0 && --repeatsLeft_ == 0)
            return; // the last frame stays
        next = first_;
    }
    show(next);
    timer_.start(clip_.delays[static_cast<std::size_t>(next)]);
}

void AnimationArea::show(int frame)
{
    shown_ = frame;
    update();
}

void AnimationArea::setCentred(bool centred)
{
    centred_ = centred;
    update();
}

void AnimationArea::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (shown_ < 0)
        return;
    const QImage &frame = clip_.frames[static_cast<std::size_t>(shown_)];
    QRect place(contentsRect().topLeft(), frame.size());
    if (centred_)
        place.moveCenter(contentsRect().center());
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawImage(place, frame);
}

ControlLibrary::Creation createAnimation(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const bool opaque = state.integer(u"BackStyle", 0, 0, 1) == 1;
    if (!state.ok())
        return { nullptr, state.error() };

    auto *area = new AnimationArea(&container);
    area->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    area->setAutoFillBackground(opaque);
    presentAs(*area, QAccessible::Animation);
    return { area, {} };
}

} // namespace qv::mscomctl2
