#include "platform/qt_http.h"
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <optional>

namespace {

const QByteArray userAgent = QByteArrayLiteral("VB OpenUrl");

// The server answered with an error status (404, 500...): that is an answer
// received whole, not a failure of the transfer.
bool isServerStatusError(QNetworkReply::NetworkError error)
{
    return (error >= QNetworkReply::ContentAccessDenied && error <= QNetworkReply::UnknownContentError)
           || (error >= QNetworkReply::InternalServerError && error <= QNetworkReply::UnknownServerError);
}

class QtHttpTransfer final : public HttpTransfer {
public:
    QtHttpTransfer(QNetworkReply* reply, qint64 maxBodyBytes, Http::Progress progress, Http::Done done)
        : reply(reply), maxBodyBytes(maxBodyBytes), progress(std::move(progress)), done(std::move(done))
    {
        QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [this](qint64 received, qint64 total) {
            onProgress(received, total);
        });
        QObject::connect(reply, &QNetworkReply::finished, reply, [this] { onFinished(); });
    }

    ~QtHttpTransfer() override
    {
        if (!reply)
            return;
        QObject::disconnect(reply, nullptr, nullptr, nullptr);
        if (!over)
            reply->abort();
        reply->deleteLater();
    }

    void cancel() override
    {
        if (over || !reply)
            return;
        stop = HttpReply::Outcome::Cancelled;
        // abort() finishes the reply at once; nothing of this object may be
        // used after it, the completion may have destroyed it.
        reply->abort();
    }

private:
    void onProgress(qint64 received, qint64 total)
    {
        if (received > maxBodyBytes && !over) {
            stop = HttpReply::Outcome::Failed;
            tooLarge = true;
            reply->abort();
            return;
        }
        if (progress)
            progress(received, total);
    }

    void onFinished()
    {
        over = true;
        HttpReply result;
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        result.status = status.isValid() ? status.toInt() : 0;
        const QNetworkReply::NetworkError error = reply->error();
        if (stop) {
            result.outcome = *stop;
            result.error = tooLarge ? QStringLiteral("réponse trop volumineuse") : reply->errorString();
        } else if (error == QNetworkReply::OperationCanceledError) {
            // Only the transfer time-out aborts a reply we did not abort ourselves.
            result.outcome = HttpReply::Outcome::TimedOut;
            result.error = reply->errorString();
        } else if (result.status > 0 && (error == QNetworkReply::NoError || isServerStatusError(error))) {
            result.body = reply->readAll();
            // A declared length tells a body cut short; a compressed body is
            // declared by its compressed size and is checked by the decoder instead.
            const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
            const bool encoded = !reply->rawHeader("Content-Encoding").isEmpty();
            if (length.isValid() && !encoded && length.toLongLong() != result.body.size()) {
                result.outcome = HttpReply::Outcome::Failed;
                result.error = QStringLiteral("transfert incomplet");
            } else {
                result.outcome = HttpReply::Outcome::Completed;
            }
        } else {
            result.outcome = HttpReply::Outcome::Failed;
            result.error = reply->errorString();
            result.body = reply->readAll();
        }
        // Last statement: the callback may destroy this transfer.
        Http::Done callback = std::move(done);
        if (callback)
            callback(result);
    }

    QPointer<QNetworkReply> reply;
    qint64 maxBodyBytes;
    Http::Progress progress;
    Http::Done done;
    std::optional<HttpReply::Outcome> stop;
    bool tooLarge = false;
    bool over = false;
};

} // namespace

QtHttp::QtHttp(int timeoutMs, qint64 maxBodyBytes) : timeoutMs(timeoutMs), maxBodyBytes(maxBodyBytes) {}

std::unique_ptr<HttpTransfer> QtHttp::get(const QUrl& url, Progress progress, Done done)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager.get(request);
    return std::make_unique<QtHttpTransfer>(reply, maxBodyBytes, std::move(progress), std::move(done));
}
