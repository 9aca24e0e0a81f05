#pragma once

#include <QDateTime>

// The local time, injectable so that date rules can be tested.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime LocalNow() const { return QDateTime::currentDateTime(); }
};

class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime now) : now_(std::move(now)) {}
    QDateTime LocalNow() const override { return now_; }
    void Set(QDateTime now) { now_ = std::move(now); }

private:
    QDateTime now_;
};
