#pragma once
// The multimedia control's own members: the MCI command string a program writes to Command, the device and
// file it names, the state of what is open, and its buttons. This machine has no media player for the
// control, so every command that needs a device fails with a run-time error that says so; the buttons still
// click, and each raises its Click event first.

#include "button_symbols.h"

#include <quorvane/member_object.h>

#include <QTimer>
#include <optional>

class QToolButton;

namespace qv::mci
{

class MMControlMembers final : public MemberObject
{
    Q_OBJECT
    // Written, runs the command it names ("Open", "Play", "Close"...); reads empty.
    Q_PROPERTY(QString Command READ command WRITE setCommand STORED false)
    Q_PROPERTY(QString DeviceType READ deviceType WRITE setDeviceType STORED false)
    Q_PROPERTY(QString FileName READ fileName WRITE setFileName STORED false)
    Q_PROPERTY(ModeConstants Mode READ mode STORED false)
    Q_PROPERTY(int Position READ position STORED false)
    Q_PROPERTY(int Length READ length STORED false)
    // Each for the next command only: raise Done when it ends; wait for it to end.
    Q_PROPERTY(bool Notify READ notify WRITE setNotify STORED false)
    Q_PROPERTY(bool Wait READ wait WRITE setWait STORED false)
    // The last command's run-time error number and text; 0 and empty when it succeeded.
    Q_PROPERTY(short Error READ error STORED false)
    Q_PROPERTY(QString ErrorMessage READ errorMessage STORED false)
    // Milliseconds between StatusUpdate events; 0 for none.
    Q_PROPERTY(int UpdateInterval READ updateInterval WRITE setUpdateInterval STORED false)
    Q_PROPERTY(bool AutoEnable READ autoEnable WRITE setAutoEnable STORED false)
    Q_PROPERTY(OrientationConstants Orientation READ orientation WRITE setOrientation STORED true)
    Q_PROPERTY(bool PrevVisible READ prevVisible WRITE setPrevVisible STORED true)
    Q_PROPERTY(bool NextVisible READ nextVisible WRITE setNextVisible STORED true)
    Q_PROPERTY(bool PlayVisible READ playVisible WRITE setPlayVisible STORED true)
    Q_PROPERTY(bool PauseVisible READ pauseVisible WRITE setPauseVisible STORED true)
    Q_PROPERTY(bool BackVisible READ backVisible WRITE setBackVisible STORED true)
    Q_PROPERTY(bool StepVisible READ stepVisible WRITE setStepVisible STORED true)
    Q_PROPERTY(bool StopVisible READ stopVisible WRITE setStopVisible STORED true)
    Q_PROPERTY(bool RecordVisible READ recordVisible WRITE setRecordVisible STORED true)
    Q_PROPERTY(bool EjectVisible READ ejectVisible WRITE setEjectVisible STORED true)
    Q_PROPERTY(bool PrevEnabled READ prevEnabled WRITE setPrevEnabled STORED false)
    Q_PROPERTY(bool NextEnabled READ nextEnabled WRITE setNextEnabled STORED false)
    Q_PROPERTY(bool PlayEnabled READ playEnabled WRITE setPlayEnabled STORED false)
    Q_PROPERTY(bool PauseEnabled READ pauseEnabled WRITE setPauseEnabled STORED false)
    Q_PROPERTY(bool BackEnabled READ backEnabled WRITE setBackEnabled STORED false)
    Q_PROPERTY(bool StepEnabled READ stepEnabled WRITE setStepEnabled STORED false)
    Q_PROPERTY(bool StopEnabled READ stopEnabled WRITE setStopEnabled STORED false)
    Q_PROPERTY(bool RecordEnabled READ recordEnabled WRITE setRecordEnabled STORED false)
    Q_PROPERTY(bool EjectEnabled READ ejectEnabled WRITE setEjectEnabled STORED false)
public:
    enum ModeConstants {
        mciModeNotOpen = 524,
        mciModeStop = 525,
        mciModePlay = 526,
        mciModeRecord = 527,
        mciModeSeek = 528,
        mciModePause = 529,
        mciModeReady = 530,
    };
    Q_ENUM(ModeConstants)
    enum OrientationConstants { mciOrientHorz = 0, mciOrientVert = 1 };
    Q_ENUM(OrientationConstants)
    enum NotifyConstants { mciSuccessful = 1, mciSuperseded = 2, mciAborted = 4, mciFailure = 8 };
    Q_ENUM(NotifyConstants)

    // The frame of buttons the module made.
    explicit MMControlMembers(QWidget &control);

    QString command() const { return {}; }
    void setCommand(const QString &command);
    QString deviceType() const { return deviceType_; }
    void setDeviceType(const QString &type) { deviceType_ = type; }
    QString fileName() const { return fileName_; }
    void setFileName(const QString &name) { fileName_ = name; }
    // Nothing opens here.
    ModeConstants mode() const { return mciModeNotOpen; }
    int position() const { return 0; }
    int length() const { return 0; }
    bool notify() const { return notify_; }
    void setNotify(bool on) { notify_ = on; }
    bool wait() const { return wait_; }
    void setWait(bool on) { wait_ = on; }
    short error() const { return error_; }
    QString errorMessage() const { return errorMessage_; }
    int updateInterval() const { return updates_.interval(); }
    void setUpdateInterval(int milliseconds);
    bool autoEnable() const { return autoEnable_; }
    void setAutoEnable(bool on) { autoEnable_ = on; }
    OrientationConstants orientation() const;
    void setOrientation(OrientationConstants orientation);
    bool prevVisible() const { return shown(MMButton::Prev); }
    void setPrevVisible(bool on) { setShown(MMButton::Prev, on); }
    bool prevEnabled() const { return enabled(MMButton::Prev); }
    void setPrevEnabled(bool on) { setEnabled(MMButton::Prev, on); }
    bool nextVisible() const { return shown(MMButton::Next); }
    void setNextVisible(bool on) { setShown(MMButton::Next, on); }
    bool nextEnabled() const { return enabled(MMButton::Next); }
    void setNextEnabled(bool on) { setEnabled(MMButton::Next, on); }
    bool playVisible() const { return shown(MMButton::Play); }
    void setPlayVisible(bool on) { setShown(MMButton::Play, on); }
    bool playEnabled() const { return enabled(MMButton::Play); }
    void setPlayEnabled(bool on) { setEnabled(MMButton::Play, on); }
    bool pauseVisible() const { return shown(MMButton::Pause); }
    void setPauseVisible(bool on) { setShown(MMButton::Pause, on); }
    bool pauseEnabled() const { return enabled(MMButton::Pause); }
    void setPauseEnabled(bool on) { setEnabled(MMButton::Pause, on); }
    bool backVisible() const { return shown(MMButton::Back); }
    void setBackVisible(bool on) { setShown(MMButton::Back, on); }
    bool backEnabled() const { return enabled(MMButton::Back); }
    void setBackEnabled(bool on) { setEnabled(MMButton::Back, on); }
    bool stepVisible() const { return shown(MMButton::Step); }
    void setStepVisible(bool on) { setShown(MMButton::Step, on); }
    bool stepEnabled() const { return enabled(MMButton::Step); }
    void setStepEnabled(bool on) { setEnabled(MMButton::Step, on); }
    bool stopVisible() const { return shown(MMButton::Stop); }
    void setStopVisible(bool on) { setShown(MMButton::Stop, on); }
    bool stopEnabled() const { return enabled(MMButton::Stop); }
    void setStopEnabled(bool on) { setEnabled(MMButton::Stop, on); }
    bool recordVisible() const { return shown(MMButton::Record); }
    void setRecordVisible(bool on) { setShown(MMButton::Record, on); }
    bool recordEnabled() const { return enabled(MMButton::Record); }
    void setRecordEnabled(bool on) { setEnabled(MMButton::Record, on); }
    bool ejectVisible() const { return shown(MMButton::Eject); }
    void setEjectVisible(bool on) { setShown(MMButton::Eject, on); }
    bool ejectEnabled() const { return enabled(MMButton::Eject); }
    void setEjectEnabled(bool on) { setEnabled(MMButton::Eject, on); }

signals:
    // A command given with Notify set has ended: mciSuccessful, mciSuperseded, mciAborted or mciFailure.
    void Done(short &NotifyCode);
    void StatusUpdate();
    // A button was clicked; a handler that sets Cancel keeps its command from running.
    void PrevClick(short &Cancel);
    void NextClick(short &Cancel);
    void PlayClick(short &Cancel);
    void PauseClick(short &Cancel);
    void BackClick(short &Cancel);
    void StepClick(short &Cancel);
    void StopClick(short &Cancel);
    void RecordClick(short &Cancel);
    void EjectClick(short &Cancel);

private:
    QToolButton *button(MMButton which) const;
    bool shown(MMButton which) const;
    void setShown(MMButton which, bool on);
    bool enabled(MMButton which) const;
    void setEnabled(MMButton which, bool on);
    void clicked(MMButton which);
    // Runs a command, keeps its outcome in Error and ErrorMessage and, when Notify asked, raises Done once
    // the command has returned; says why it failed.
    std::optional<Failure> run(const QString &command);
    std::optional<Failure> outcomeOf(const QString &command) const;

    QWidget &control_;
    QString deviceType_;
    QString fileName_;
    bool notify_ = false;
    bool wait_ = false;
    short error_ = 0;
    QString errorMessage_;
    bool autoEnable_ = true;
    QTimer updates_;
};

} // namespace qv::mci
