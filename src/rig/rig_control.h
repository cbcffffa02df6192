#pragma once
#include "platform/rig.h"
#include <QObject>
#include <QThread>

class RigWorker;

// Follows the radio from a worker thread and hands its readings to the
// user-interface thread. The window never waits on the radio.
class RigControl : public QObject {
    Q_OBJECT
public:
    explicit RigControl(Rig& rig, QObject* parent = nullptr);
    ~RigControl() override;

    // How often the radio is read, and how long after a failure it is
    // opened again; set before the first apply().
    void setTiming(int readMs, int retryMs);
    // Starts, restarts or stops following; the same choices again change nothing.
    void apply(const RigConfig& config);
    bool following() const { return current.follow; }
    QList<RigModel> models() const { return rig.models(); }
    const RigReading& lastReading() const { return last; }

public slots:
    // Tunes the radio to the frequency, when following is on and the radio is
    // connected; otherwise nothing happens.
    void tune(double hz);

signals:
    // Every reading of the radio, or the reason it could not be read.
    void readingChanged(const RigReading& reading);
    void followingChanged(bool on);

private:
    Rig& rig;
    QThread thread;
    RigWorker* worker = nullptr;
    RigConfig current;
    RigReading last;
    int readMs = 1000;
    int retryMs = 5000;
};
