#include "inet_transfer.h"

#include <QEventLoop>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTimer>

namespace qv::inetctls
{

void Transfer::start(const QNetworkRequest &request, const QByteArray &operation, const QByteArray &data,
                     const QNetworkProxy &proxy)
{
    response_.clear();
    taken_ = 0;
    headers_.clear();
    contentType_.clear();
    unanswered_.reset();
    responseCode_ = 0;
    responseInfo_.clear();
    manager_.setProxy(proxy);
    QNetworkReply *reply = manager_.sendCustomRequest(request, operation, data);
    reply_ = reply;
    connect(reply, &QNetworkReply::metaDataChanged, this, [this] { emit stateChanged(receivingResponse); });
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { response_ += reply->readAll(); });
    connect(reply, &QNetworkReply::finished, this, &Transfer::finish);
    emit stateChanged(requesting);
}

void Transfer::finish()
{
    QNetworkReply *reply = reply_.data();
    if (!reply)
        return;
    reply_.clear();
    response_ += reply->readAll();
    headers_ = reply->rawHeaderPairs();
    contentType_ = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
    const QVariant code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (code.isValid()) {
        responseCode_ = code.toInt();
        responseInfo_ = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    } else {
        unanswered_ = reply->errorString();
        responseInfo_ = *unanswered_;
    }
    reply->deleteLater();
    emit ended();
    emit stateChanged(unanswered_ ? error : responseCompleted);
}

bool Transfer::wait(int seconds)
{
    if (!running())
        return true;
    QEventLoop loop;
    connect(this, &Transfer::ended, &loop, &QEventLoop::quit);
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (seconds > 0)
        limit.start(seconds * 1000);
    loop.exec();
    return !running();
}

void Transfer::cancel()
{
    if (QNetworkReply *reply = reply_.data()) {
        reply_.clear();
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
        emit ended();
    }
}

QString Transfer::body() const
{
    const qsizetype at = contentType_.indexOf("charset=");
    if (at >= 0) {
        QStringDecoder decoder(contentType_.mid(at + 8).trimmed().constData());
        if (decoder.isValid())
            return decoder.decode(response_);
    }
    return QString::fromLatin1(response_);
}

QString Transfer::takeChunk(int size)
{
    const QByteArray chunk = response_.mid(taken_, size);
    taken_ += chunk.size();
    return QString::fromLatin1(chunk);
}

QString Transfer::header(const QString &name) const
{
    QStringList lines;
    for (const auto &[key, value] : headers_) {
        if (name.isEmpty())
            lines << QString::fromLatin1(key + ": " + value);
        else if (QString::fromLatin1(key).compare(name, Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(value);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace qv::inetctls
