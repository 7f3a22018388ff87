#pragma once
// Stands in for the animation control: a framed area that shows the frames of an opened clip, played by a
// timer; with no clip opened it is empty. It reads the animated pictures Qt reads (GIF), not AVI clips.

#include <quorvane/control_library.h>

#include <QFrame>
#include <QImage>
#include <QTimer>
#include <optional>
#include <vector>

namespace qv::mscomctl2
{

// The frames of a clip and how long each shows, in milliseconds.
struct AnimationClip {
    std::vector<QImage> frames;
    std::vector<int> delays;
};

// The clip in the file, or why it cannot be played.
std::optional<AnimationClip> readClip(const QString &file, QString &why);

class AnimationArea final : public QFrame
{
    Q_OBJECT
public:
    explicit AnimationArea(QWidget *parent);

    // Shows the clip's first frame; an empty clip leaves the area empty.
    void setClip(AnimationClip clip);
    int frameCount() const { return static_cast<int>(clip_.frames.size()); }
    // The frame shown, from 0; -1 when none is.
    int shownFrame() const { return shown_; }
    // Plays frames first to last (both from 0), `repeats` times, or for ever when it is -1.
    void play(int repeats, int first, int last);
    void stop();
    bool isPlaying() const { return timer_.isActive(); }
    bool centred() const { return centred_; }
    void setCentred(bool centred);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void show(int frame);
    void advance();

    AnimationClip clip_;
    QTimer timer_;
    int shown_ = -1;
    int first_ = 0;
    int last_ = 0;
    int repeatsLeft_ = 0;
    bool centred_ = true;
};

// Saved state: "BackStyle" (0 transparent, the default; 1 opaque, filled with the window colour).
ControlLibrary::Creation createAnimation(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscomctl2
