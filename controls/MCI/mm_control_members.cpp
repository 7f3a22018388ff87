#include "mm_control_members.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QStringList>
#include <QToolButton>
#include <algorithm>

namespace qv::mci
{

namespace
{

// The commands of the control's command string, as a program spells them.
const QStringList &commands()
{
    static const QStringList all { QStringLiteral("Open"),  QStringLiteral("Close"),  QStringLiteral("Play"),
                                   QStringLiteral("Pause"), QStringLiteral("Stop"),   QStringLiteral("Back"),
                                   QStringLiteral("Step"),  QStringLiteral("Prev"),   QStringLiteral("Next"),
                                   QStringLiteral("Seek"),  QStringLiteral("Record"), QStringLiteral("Eject"),
                                   QStringLiteral("Sound"), QStringLiteral("Save") };
    return all;
}

// Why no device opens on this machine.
QString noPlayer()
{
    QString why = QStringLiteral("the multimedia control here has no media player");
    if (!QFileInfo::exists(QStringLiteral("/dev/snd")))
        why += QStringLiteral(", and this machine has no sound device (/dev/snd)");
    return why;
}

} // namespace

MMControlMembers::MMControlMembers(QWidget &control)
    : control_(control)
{
    for (const auto &[which, name] : mmButtons) {
        if (QToolButton *b = button(which))
            connect(b, &QToolButton::clicked, this, [this, which = which] { clicked(which); });
    }
    connect(&updates_, &QTimer::timeout, this, &MMControlMembers::StatusUpdate);
    updates_.start(1000);
}

QToolButton *MMControlMembers::button(MMButton which) const
{
    for (const auto &[each, name] : mmButtons) {
        if (each == which)
            return control_.findChild<QToolButton *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    }
    return nullptr;
}

// Each button stands on the control from its creation; a button not found reads as hidden and disabled.
bool MMControlMembers::shown(MMButton which) const
{
    const QToolButton *b = button(which);
    return b && !b->isHidden();
}

void MMControlMembers::setShown(MMButton which, bool on)
{
    if (QToolButton *b = button(which))
        b->setHidden(!on);
}

bool MMControlMembers::enabled(MMButton which) const
{
    const QToolButton *b = button(which);
    return b && b->isEnabled();
}

void MMControlMembers::setEnabled(MMButton which, bool on)
{
    if (QToolButton *b = button(which))
        b->setEnabled(on);
}

void MMControlMembers::clicked(MMButton which)
{
    short cancel = 0;
    switch (which) {
    case MMButton::Prev:
        emit PrevClick(cancel);
        break;
    case MMButton::Next:
        emit NextClick(cancel);
        break;
    case MMButton::Play:
        emit PlayClick(cancel);
        break;
    case MMButton::Pause:
        emit PauseClick(cancel);
        break;
    case MMButton::Back:
        emit BackClick(cancel);
        break;
    case MMButton::Step:
        emit StepClick(cancel);
        break;
    case MMButton::Stop:
        emit StopClick(cancel);
        break;
    case MMButton::Record:
        emit RecordClick(cancel);
        break;
    case MMButton::Eject:
        emit EjectClick(cancel);
        break;
    }
    if (cancel != 0)
        return;
    // A button's command has no caller to fail: its outcome is in Error and ErrorMessage.
    for (const auto &[each, name] : mmButtons) {
        if (each == which)
            (void)run(QLatin1String(name));
    }
}

std::optional<Failure> MMControlMembers::outcomeOf(const QString &command) const
{
    if (command.compare(QLatin1String("Close"), Qt::CaseInsensitive) == 0)
        return std::nullopt; // nothing is open, so nothing is left open
    if (command.compare(QLatin1String("Open"), Qt::CaseInsensitive) == 0) {
        const QString device = !deviceType_.isEmpty() ? QStringLiteral("device \"%1\"").arg(deviceType_)
            : !fileName_.isEmpty()                    ? QStringLiteral("device for %1").arg(fileName_)
                                   : QStringLiteral("device (neither DeviceType nor FileName is set)");
        return failure(status::deviceUnavailable,
                       QStringLiteral("no %1 can be opened on this machine: %2").arg(device, noPlayer()));
    }
    return failure(
        status::deviceUnavailable,
        QStringLiteral("no device is open, and none can be opened on this machine: %1").arg(noPlayer()));
}

std::optional<Failure> MMControlMembers::run(const QString &command)
{
    std::optional<Failure> why = outcomeOf(command);
    // The runtime's own errors are numbered by their status's low word (68 for a device unavailable).
    error_ = why ? static_cast<short>(why->status & 0xFFFF) : 0;
    errorMessage_ = why ? why->info.description : QString();
    if (notify_) {
        // The notice comes as the device's message would, once the command has returned.
        QTimer::singleShot(0, this, [this, code = why ? mciFailure : mciSuccessful] {
            short notifyCode = static_cast<short>(code);
            emit Done(notifyCode);
        });
    }
    notify_ = false;
    wait_ = false;
    return why;
}

void MMControlMembers::setCommand(const QString &command)
{
    if (command.isEmpty())
        return; // no command, nothing to run
    const auto known = std::find_if(commands().begin(), commands().end(), [&](const QString &each) {
        return each.compare(command, Qt::CaseInsensitive) == 0;
    });
    if (known == commands().end())
        return refuse(
            status::invalidPropertyValue,
            QStringLiteral("not a command of the control: %1").arg(commands().join(QLatin1String(", "))));
    if (std::optional<Failure> why = run(*known))
        refuse(*std::move(why));
}

void MMControlMembers::setUpdateInterval(int milliseconds)
{
    if (milliseconds < 0)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("the interval is 0 (no StatusUpdate) or more milliseconds"));
    updates_.setInterval(milliseconds);
    if (milliseconds == 0)
        updates_.stop();
    else
        updates_.start();
}

MMControlMembers::OrientationConstants MMControlMembers::orientation() const
{
    const auto *layout = qobject_cast<QBoxLayout *>(control_.layout());
    return layout && layout->direction() == QBoxLayout::TopToBottom ? mciOrientVert : mciOrientHorz;
}

void MMControlMembers::setOrientation(OrientationConstants orientation)
{
    if (auto *layout = qobject_cast<QBoxLayout *>(control_.layout()))
        layout->setDirection(orientation == mciOrientVert ? QBoxLayout::TopToBottom
                                                          : QBoxLayout::LeftToRight);
}

} // namespace qv::mci
