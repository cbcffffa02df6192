#pragma once
#include "platform/rig.h"
#include <QMutex>
#include <QMutexLocker>

// Test double of the radio: a frequency and mode the test sets, and a switch
// to make it unreachable. Called from the rig thread, hence the lock.
class FakeRig final : public Rig {
public:
    QList<RigModel> models() const override
    {
        return {{1, "Hamlib Dummy", RigPort::None}, {2, "Hamlib NET rigctl", RigPort::Network},
                {3085, "Icom IC-7300", RigPort::Serial}};
    }
    Result open(const RigConfig&) override
    {
        QMutexLocker lock(&mutex);
        ++opens;
        isOpen = reachable;
        return reachable ? Result::success() : Result::failure("Poste non connecté", "le poste ne répond pas");
    }
    void close() override
    {
        QMutexLocker lock(&mutex);
        isOpen = false;
    }
    RigReading read() override
    {
        QMutexLocker lock(&mutex);
        if (!isOpen || !reachable)
            return {false, 0, {}, "le poste ne répond pas"};
        return {true, hz, mode, {}};
    }
    Result tune(double wanted) override
    {
        QMutexLocker lock(&mutex);
        hz = wanted;
        return Result::success();
    }
    void set(double wantedHz, const QString& wantedMode, bool canReach = true)
    {
        QMutexLocker lock(&mutex);
        hz = wantedHz;
        mode = wantedMode;
        reachable = canReach;
    }
    int openCount() const
    {
        QMutexLocker lock(&mutex);
        return opens;
    }
    double frequency() const
    {
        QMutexLocker lock(&mutex);
        return hz;
    }

private:
    mutable QMutex mutex;
    double hz = 14.2e6;
    QString mode = "USB";
    bool reachable = true;
    bool isOpen = false;
    int opens = 0;
};
