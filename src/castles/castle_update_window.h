#pragma once
#include "platform/http.h"
#include <QObject>
#include <QPointer>
#include <memory>

struct AppContext;
class QProgressDialog;
class QWidget;

// One run of "Mise à jour des références DFCF": the download runs while the
// event loop goes on, a progress dialog lets the operator cancel it, and the
// outcome is told in one message. The run deletes itself when it is over.
class CastleListUpdate : public QObject {
    Q_OBJECT
public:
    // Starts the update; the run is a child of parent, which it blocks while
    // the progress dialog is shown.
    static CastleListUpdate* start(AppContext& context, QWidget* parent);
    ~CastleListUpdate() override;

    QProgressDialog* progressDialog() const { return progress; }

signals:
    void finished();

private:
    CastleListUpdate(AppContext& context, QWidget* parent);
    void onProgress(qint64 received, qint64 total);
    void finish(const HttpReply& reply);
    // Tells the outcome and ends the run.
    void tell(const QString& message);

    AppContext& ctx;
    QPointer<QProgressDialog> progress;
    std::unique_ptr<HttpTransfer> transfer;
};
