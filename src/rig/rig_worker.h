#pragma once
#include "platform/rig.h"
#include <QObject>

class QTimer;

// Lives in the rig thread and makes every call to the rig there: opens it,
// reads it on a timer, reopens it after a failure, tunes it on request.
class RigWorker : public QObject {
    Q_OBJECT
public:
    RigWorker(Rig& rig, int readMs, int retryMs);
    ~RigWorker() override;

    // Called through queued invocations from the user-interface thread.
    void start(const RigConfig& config);
    void stop();
    void tune(double hz);

signals:
    void readingReady(const RigReading& reading);

private:
    void poll();
    void lose(const QString& reason);

    Rig& rig;
    QTimer* timer;
    RigConfig config;
    int readMs;
    int retryMs;
    bool connected = false;
};
