#pragma once
// The serial communications control's own members: the port and its line settings, opening and closing
// it, what is sent and what arrived, and OnComm when enough arrived.

#include "mscomm.h"
#include "serial_line.h"

#include <quorvane/member_object.h>

namespace qv::mscommlib
{

class MSCommMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(int CommPort READ commPort WRITE setCommPort STORED true)
    // Stored, but a settings block's Settings must be line settings, which no generic value is.
    Q_PROPERTY(QString Settings READ settings WRITE setSettings STORED false)
    Q_PROPERTY(HandshakeConstants Handshaking READ handshaking WRITE setHandshaking STORED true)
    Q_PROPERTY(bool PortOpen READ portOpen WRITE setPortOpen STORED false)
    Q_PROPERTY(int InBufferCount READ inBufferCount WRITE setInBufferCount STORED false)
    Q_PROPERTY(int InputLen READ inputLen WRITE setInputLen STORED false)
    Q_PROPERTY(QString Input READ input STORED false)
    // Written to send; it reads empty, as what was sent is gone.
    Q_PROPERTY(QString Output READ output WRITE setOutput STORED false)
    Q_PROPERTY(int RThreshold READ rThreshold WRITE setRThreshold STORED false)
    Q_PROPERTY(int SThreshold READ sThreshold WRITE setSThreshold STORED false)
    Q_PROPERTY(int CommEvent READ commEvent STORED false)
public:
    enum HandshakeConstants { comNone = 0, comXOnXoff = 1, comRTS = 2, comRTSXOnXOff = 3 };
    Q_ENUM(HandshakeConstants)
    // CommEvent's values for what was sent and what arrived.
    static constexpr int comEvSend = 1;
    static constexpr int comEvReceive = 2;

    explicit MSCommMembers(MSCommControl &control);

    int commPort() const { return control_.commPort; }
    void setCommPort(int port);
    QString settings() const { return control_.settings; }
    void setSettings(const QString &line);
    HandshakeConstants handshaking() const { return static_cast<HandshakeConstants>(control_.handshaking); }
    void setHandshaking(HandshakeConstants handshaking);
    bool portOpen() const { return line_.isOpen(); }
    void setPortOpen(bool open);
    int inBufferCount() const;
    void setInBufferCount(int count);
    int inputLen() const { return inputLen_; }
    void setInputLen(int length);
    QString input();
    QString output() const { return {}; }
    void setOutput(const QString &data);
    int rThreshold() const { return rThreshold_; }
    void setRThreshold(int count);
    int sThreshold() const { return sThreshold_; }
    void setSThreshold(int count);
    int commEvent() const { return commEvent_; }

signals:
    void OnComm();

private:
    // The port as a person names it: "COM1 (/dev/ttyS0)".
    QString portName() const;
    bool refusedWhileOpen(const char *what);
    bool refusedWhileClosed();
    bool refusedNegative(int count);
    void raise(int event);

    MSCommControl &control_;
    SerialLine line_;
    int inputLen_ = 0;
    int rThreshold_ = 0;
    int sThreshold_ = 0;
    int commEvent_ = 0;
};

} // namespace qv::mscommlib
