#pragma once

#include <QDateTime>

// The local date and time the clock reads once per tick. The real one asks the system;
// tests and `--render --at` give a fixed instant.
class ClockSource {
public:
    virtual ~ClockSource() = default;
    virtual QDateTime Now() const = 0;
};

class SystemClockSource : public ClockSource {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

class FixedClockSource : public ClockSource {
public:
    explicit FixedClockSource(QDateTime instant) : instant_(std::move(instant)) {}
    QDateTime Now() const override { return instant_; }
    void Set(const QDateTime& instant) { instant_ = instant; }

private:
    QDateTime instant_;
};
