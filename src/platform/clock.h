#pragma once
#include <QDateTime>

// The system clock. One read gives one instant; UTC and local views of it are
// derived from that single read so that date and time never disagree.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
