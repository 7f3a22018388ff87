#pragma once
// One HTTP or HTTPS request at a time, as the Internet transfer control runs it: started and left to
// finish (Execute), or waited for up to a time limit (OpenURL); its response kept to be read in pieces.

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>

class QNetworkRequest;

namespace qv::inetctls
{

class Transfer final : public QObject
{
    Q_OBJECT
public:
    // Its values are the control's StateConstants.
    enum State { requesting = 5, receivingResponse = 7, error = 11, responseCompleted = 12 };

    using QObject::QObject;

    bool running() const { return !reply_.isNull(); }
    void start(const QNetworkRequest &request, const QByteArray &operation, const QByteArray &data,
               const QNetworkProxy &proxy);
    // Waits for the running request to finish, up to the seconds given (0: as long as it takes); whether
    // it finished.
    bool wait(int seconds);
    void cancel();

    // Why the last request got no answer, or nothing when it got one (whatever its HTTP status).
    const std::optional<QString> &unanswered() const { return unanswered_; }
    int responseCode() const { return responseCode_; }
    const QString &responseInfo() const { return responseInfo_; }
    // The response's body as text, as its character set says (Latin-1 when it names none).
    QString body() const;
    // Takes up to `size` characters of the body not yet taken.
    QString takeChunk(int size);
    // A header of the response, or all of them, one a line.
    QString header(const QString &name) const;

signals:
    void stateChanged(int state);
    // The request finished or was cancelled.
    void ended();

private:
    void finish();

    QNetworkAccessManager manager_;
    QPointer<QNetworkReply> reply_;
    QByteArray response_;
    qsizetype taken_ = 0;
    QList<QNetworkReply::RawHeaderPair> headers_;
    QByteArray contentType_;
    std::optional<QString> unanswered_;
    int responseCode_ = 0;
    QString responseInfo_;
};

} // namespace qv::inetctls
