#pragma once
// A serial port opened with the system's own calls: its device, the line settings and handshaking set on
// it, what arrives read into a buffer as it comes, and what is written sent at once.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <optional>

class QSocketNotifier;

namespace qv::mscommlib
{

// The device of port n (COM1 is the first): ttyS<n-1> in /dev, or in the folder QUORVANE_SERIAL_DEVICES
// names, for a machine whose ports lie elsewhere.
QString serialDevicePath(int port);

class SerialLine final : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~SerialLine() override;

    // Opens the device with the line settings ("9600,n,8,1", already checked) and the handshaking (0 none,
    // 1 XOn/XOff, 2 RTS/CTS, 3 both); or says why it cannot.
    std::optional<QString> open(const QString &device, const QString &line, int handshaking);
    // Sets the line settings and handshaking on the open port; or says why they cannot be.
    std::optional<QString> configure(const QString &line, int handshaking);
    bool isOpen() const { return fd_ >= 0; }
    void close();
    std::optional<QString> write(const QByteArray &data);
    // What arrived and was not yet taken.
    QByteArray &input() { return input_; }
    const QByteArray &input() const { return input_; }

signals:
    void received();

private:
    void readWaiting();

    int fd_ = -1;
    QSocketNotifier *notifier_ = nullptr;
    QByteArray input_;
};

} // namespace qv::mscommlib
