#include "rig/rig_control.h"
#include "rig/rig_worker.h"

RigControl::RigControl(Rig& device, QObject* parent) : QObject(parent), rig(device)
{
    qRegisterMetaType<RigReading>();
    qRegisterMetaType<RigConfig>();
    thread.setObjectName(QStringLiteral("Poste radio"));
}

RigControl::~RigControl()
{
    // The worker closes the rig as it is deleted, in its own thread.
    thread.quit();
    thread.wait();
}

void RigControl::setTiming(int readInterval, int retryInterval)
{
    readMs = readInterval;
    retryMs = retryInterval;
}

void RigControl::apply(const RigConfig& config)
{
    if (config == current && (worker || !config.follow))
        return;
    const bool wasFollowing = current.follow;
    current = config;
    if (!worker && config.follow) {
        worker = new RigWorker(rig, readMs, retryMs);
        worker->moveToThread(&thread);
        connect(&thread, &QThread::finished, worker, &QObject::deleteLater);
        connect(worker, &RigWorker::readingReady, this, [this](const RigReading& reading) {
            if (!current.follow)
                return; // a reading already on its way when following stopped
            last = reading;
            emit readingChanged(reading);
        });
        thread.start();
    }
    if (worker && config.follow)
        QMetaObject::invokeMethod(worker, [w = worker, config] { w->start(config); });
    else if (worker)
        QMetaObject::invokeMethod(worker, [w = worker] { w->stop(); });
    last = {};
    if (wasFollowing != config.follow)
        emit followingChanged(config.follow);
}

void RigControl::tune(double hz)
{
    if (worker && current.follow && hz > 0)
        QMetaObject::invokeMethod(worker, [w = worker, hz] { w->tune(hz); });
}
