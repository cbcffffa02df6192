#pragma once
#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

// What came back from one GET.
struct HttpReply {
    enum class Outcome {
        Completed, // an HTTP answer was received whole (any status)
        Failed,    // no answer, or one cut short: connection refused, closed mid-body...
        TimedOut,  // the server stayed silent too long
        Cancelled, // the operator stopped the transfer
    };
    Outcome outcome = Outcome::Failed;
    int status = 0; // HTTP status code, 0 when no answer came
    QByteArray body; // whole only when Completed; what came before a failure otherwise
    QString error; // system text when not completed

    bool completed() const { return outcome == Outcome::Completed; }
};

// One running GET. Destroying it stops the transfer without calling back.
class HttpTransfer {
public:
    virtual ~HttpTransfer() = default;
    // Stops the transfer; the completion follows with Cancelled, possibly
    // before cancel() returns. Does nothing once the transfer is over.
    virtual void cancel() = 0;
};

// Asynchronous HTTP client: the event loop keeps running while a transfer
// goes on. Every GET goes to the server, never to a cache.
class Http {
public:
    using Progress = std::function<void(qint64 received, qint64 total)>; // total -1 when unknown
    using Done = std::function<void(const HttpReply& reply)>;

    virtual ~Http() = default;
    // 'done' is called exactly once unless the transfer is destroyed first.
    // The caller must not destroy the transfer from inside its callbacks.
    virtual std::unique_ptr<HttpTransfer> get(const QUrl& url, Progress progress, Done done) = 0;
};
