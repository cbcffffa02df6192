#pragma once
#include "platform/http.h"
#include <QNetworkAccessManager>

// HTTP over QNetworkAccessManager, announced as "VB OpenUrl" as the castle
// list server has always seen it. A server silent for the time-out counts as
// no access; a body beyond the size limit is refused rather than kept in memory.
class QtHttp final : public Http {
public:
    explicit QtHttp(int timeoutMs = 30000, qint64 maxBodyBytes = 16 * 1024 * 1024);
    std::unique_ptr<HttpTransfer> get(const QUrl& url, Progress progress, Done done) override;

private:
    QNetworkAccessManager manager;
    int timeoutMs;
    qint64 maxBodyBytes;
};
