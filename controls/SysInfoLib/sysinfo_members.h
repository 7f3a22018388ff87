#pragma once
// The system information control's own members: facts about this machine, read when asked, and
// DisplayChanged when the primary screen's size or work area changes.

#include <quorvane/member_object.h>

class QScreen;

namespace qv::sysinfolib
{

class SysInfoMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(short OSPlatform READ osPlatform STORED false)
    Q_PROPERTY(float OSVersion READ osVersion STORED false)
    Q_PROPERTY(short OSBuild READ osBuild STORED false)
    Q_PROPERTY(short ACStatus READ acStatus STORED false)
    Q_PROPERTY(int BatteryFullTime READ batteryFullTime STORED false)
    Q_PROPERTY(short BatteryLifePercent READ batteryLifePercent STORED false)
    Q_PROPERTY(int BatteryLifeTime READ batteryLifeTime STORED false)
    Q_PROPERTY(short BatteryStatus READ batteryStatus STORED false)
    // The primary screen less the panels the desktop keeps, in twips.
    Q_PROPERTY(float WorkAreaLeft READ workAreaLeft STORED false)
    Q_PROPERTY(float WorkAreaTop READ workAreaTop STORED false)
    Q_PROPERTY(float WorkAreaWidth READ workAreaWidth STORED false)
    Q_PROPERTY(float WorkAreaHeight READ workAreaHeight STORED false)
public:
    explicit SysInfoMembers(QObject &sysInfo);

    // Of the three platforms the control tells apart (0 Win32s, 1 Windows 95, 2 Windows NT), a kernel with
    // protected, preemptive processes is the third.
    short osPlatform() const { return 2; }
    // The kernel's version, major.minor ("6.1" of "6.1.0-18-amd64"), and its third number.
    float osVersion() const;
    short osBuild() const;
    short acStatus() const;
    int batteryFullTime() const;
    short batteryLifePercent() const;
    int batteryLifeTime() const;
    short batteryStatus() const;
    float workAreaLeft() const;
    float workAreaTop() const;
    float workAreaWidth() const;
    float workAreaHeight() const;

signals:
    void DisplayChanged();

private:
    void watch(QScreen *screen);
};

} // namespace qv::sysinfolib
