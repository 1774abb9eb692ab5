#include "QtHttp.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <functional>

namespace {
THttpReply runRequest(const std::function<QNetworkReply*(QNetworkAccessManager&)>& start, int timeoutMs)
{
    THttpReply result;
    if (!QCoreApplication::instance()) {
        result.Error = QStringLiteral("no application object");
        return result;
    }
    QNetworkAccessManager manager;
    QNetworkReply* reply = start(manager);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    if (!reply->isFinished()) loop.exec();
    result.Status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.Body = reply->readAll();
    if (timedOut) {
        result.Error = QStringLiteral("请求超时");
    } else if (reply->error() != QNetworkReply::NoError) {
        result.Error = reply->errorString();
    }
    result.Ok = result.Error.isEmpty() && result.Status >= 200 && result.Status < 300;
    reply->deleteLater();
    return result;
}
}  // namespace

THttpReply TQtHttp::Get(const QString& url, int timeoutMs)
{
    return runRequest([&](QNetworkAccessManager& m) { return m.get(QNetworkRequest(QUrl(url))); }, timeoutMs);
}

THttpReply TQtHttp::PostForm(const QString& url, const QList<QPair<QString, QString>>& fields, int timeoutMs)
{
    QByteArray body;
    for (const auto& f : fields) {
        if (!body.isEmpty()) body += '&';
        body += QUrl::toPercentEncoding(f.first) + '=' + QUrl::toPercentEncoding(f.second);
    }
    return runRequest(
        [&](QNetworkAccessManager& m) {
            QNetworkRequest req{QUrl(url)};
            req.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
            return m.post(req, body);
        },
        timeoutMs);
}
