#include "rig/rig_worker.h"
#include <QTimer>
#include <cmath>

namespace {

// No radio tunes above a few hundred gigahertz: NaN, zero, a negative or an
// overflowed value is a garbled answer, not a frequency.
bool possibleFrequency(double hz) { return std::isfinite(hz) && hz > 0 && hz <= 300e9; }

} // namespace

RigWorker::RigWorker(Rig& device, int readInterval, int retryInterval)
    : rig(device), timer(new QTimer(this)), readMs(readInterval), retryMs(retryInterval)
{
    // Single shot, restarted after each poll: a slow radio never piles calls up.
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &RigWorker::poll);
}

RigWorker::~RigWorker() { rig.close(); }

void RigWorker::start(const RigConfig& wanted)
{
    stop();
    config = wanted;
    poll();
}

void RigWorker::stop()
{
    timer->stop();
    rig.close();
    connected = false;
}

void RigWorker::tune(double hz)
{
    if (!connected)
        return;
    if (const Result tuned = rig.tune(hz); !tuned)
        lose(tuned.detail);
    else
        poll(); // show the new frequency at once
}

void RigWorker::poll()
{
    if (!connected) {
        if (const Result opened = rig.open(config); !opened) {
            lose(opened.detail);
            return;
        }
        connected = true;
    }
    const RigReading reading = rig.read();
    if (!reading.ok) {
        lose(reading.reason);
        return;
    }
    if (!possibleFrequency(reading.hz)) {
        lose(QStringLiteral("réponse illisible du poste"));
        return;
    }
    emit readingReady(reading);
    timer->start(readMs);
}

void RigWorker::lose(const QString& reason)
{
    rig.close();
    connected = false;
    RigReading failed;
    failed.reason = reason;
    emit readingReady(failed);
    timer->start(retryMs);
}
