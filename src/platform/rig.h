#pragma once
#include "platform/result.h"
#include <QList>
#include <QString>

// How a rig model is reached: a serial line, a network address, or nothing
// to set (the dummy rig).
enum class RigPort { None, Serial, Network, Other };

struct RigModel {
    int id = 0;
    QString name; // maker and model, as the library names them
    RigPort port = RigPort::None;
};

// The operator's choices for one station.
struct RigConfig {
    static constexpr int netRigctl = 2;
    bool follow = false;
    int model = netRigctl;
    QString serialPort;
    int baudRate = 9600;
    QString address = QStringLiteral("127.0.0.1:4532");
    bool operator==(const RigConfig&) const = default;
};

// What the radio said: its frequency and mode, or why it could not be read.
struct RigReading {
    bool ok = false;
    double hz = 0;
    QString mode;   // the library's own name: USB, CW, PKTUSB...
    QString reason; // in French, when not ok
};

// A transceiver behind a control library. Every call but models() may block
// for seconds (serial timeouts), so only the rig worker thread makes them.
class Rig {
public:
    virtual ~Rig() = default;
    virtual QList<RigModel> models() const = 0; // fixed once built, any thread
    virtual Result open(const RigConfig& config) = 0;
    virtual void close() = 0;
    virtual RigReading read() = 0;
    virtual Result tune(double hz) = 0;
};

#include <QMetaType>
Q_DECLARE_METATYPE(RigReading)
Q_DECLARE_METATYPE(RigConfig)
