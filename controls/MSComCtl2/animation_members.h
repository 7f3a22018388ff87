#pragma once
// The animation control's own members: a clip opened from a file, played, stopped and closed.

#include "animation.h"

#include <quorvane/member_object.h>

namespace qv::mscomctl2
{

class AnimationMembers final : public MemberObject
{
    Q_OBJECT
    // Whether the clip plays as soon as it is opened (and from the moment this is set, when one is).
    Q_PROPERTY(bool AutoPlay READ autoPlay WRITE setAutoPlay STORED false)
    // Whether the frames show in the middle of the control or at its top left corner.
    Q_PROPERTY(bool Center READ center WRITE setCenter STORED false)
    Q_PROPERTY(BackStyleConstants BackStyle READ backStyle WRITE setBackStyle STORED true)
public:
    enum BackStyleConstants { cc2BackstyleTransparent = 0, cc2BackstyleOpaque = 1 };
    Q_ENUM(BackStyleConstants)

    explicit AnimationMembers(AnimationArea &area);

    // Opens the clip in File and shows its first frame; a clip that cannot be played is refused, naming the
    // file and why, and leaves the one open before.
    Q_INVOKABLE void Open(const QString &File);
    // Plays frames Start to End (from 0; -1 the last) RepeatCount times, or for ever when it is -1.
    Q_INVOKABLE void Play(int RepeatCount = -1, int Start = 0, int End = -1);
    Q_INVOKABLE void Stop();
    Q_INVOKABLE void Close();

    bool autoPlay() const { return autoPlay_; }
    void setAutoPlay(bool on);
    bool center() const;
    void setCenter(bool centred);
    BackStyleConstants backStyle() const;
    void setBackStyle(BackStyleConstants style);

private:
    AnimationArea &area_;
    bool autoPlay_ = false;
};

} // namespace qv::mscomctl2
