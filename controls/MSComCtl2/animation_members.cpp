#include "animation_members.h"

#include <QFileInfo>

namespace qv::mscomctl2
{

AnimationMembers::AnimationMembers(AnimationArea &area)
    : area_(area)
{
}

void AnimationMembers::Open(const QString &File)
{
    if (!QFileInfo(File).isFile())
        return refuse(status::fileNotFound, QStringLiteral("there is no file %1").arg(File));
    QString why;
    std::optional<AnimationClip> clip = readClip(File, why);
    if (!clip)
        return refuse(status::badFileFormat, QStringLiteral("%1 cannot be played: %2").arg(File, why));
    area_.setClip(*std::move(clip));
    if (autoPlay_)
        area_.play(-1, 0, area_.frameCount() - 1);
}

void AnimationMembers::Play(int RepeatCount, int Start, int End)
{
    const int frames = area_.frameCount();
    if (frames == 0)
        return refuse(status::invalidProcedureCall, QStringLiteral("no clip is open: Open one first"));
    if (RepeatCount < 1 && RepeatCount != -1)
        return refuse(status::invalidArgument,
                      QStringLiteral("RepeatCount is %1: it is 1 or more, or -1 for ever").arg(RepeatCount));
    const int last = End == -1 ? frames - 1 : End;
    if (Start < 0 || Start >= frames || last < Start || last >= frames)
        return refuse(
            status::invalidArgument,
            QStringLiteral("Start %1 and End %2: the clip's frames are 0 to %3, Start before End (-1 the "
                           "last)")
                .arg(Start)
                .arg(End)
                .arg(frames - 1));
    area_.play(RepeatCount, Start, last);
}

void AnimationMembers::Stop()
{
    area_.stop();
}

void AnimationMembers::Close()
{
    area_.setClip({});
}

void AnimationMembers::setAutoPlay(bool on)
{
    autoPlay_ = on;
    if (area_.frameCount() == 0)
        return;
    if (on)
        area_.play(-1, 0, area_.frameCount() - 1);
    else
        area_.stop();
}

bool AnimationMembers::center() const
{
    return area_.centred();
}

void AnimationMembers::setCenter(bool centred)
{
    area_.setCentred(centred);
}

AnimationMembers::BackStyleConstants AnimationMembers::backStyle() const
{
    return area_.autoFillBackground() ? cc2BackstyleOpaque : cc2BackstyleTransparent;
}

void AnimationMembers::setBackStyle(BackStyleConstants style)
{
    area_.setAutoFillBackground(style == cc2BackstyleOpaque);
    area_.update();
}

} // namespace qv::mscomctl2
