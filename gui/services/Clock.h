#pragma once
// The time as windows read it, so that tests can fix it: the wall clock for
// dates, a steady clock for elapsed seconds.

#include <QDateTime>

#include <chrono>

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime wallTime() const = 0;
    virtual std::chrono::steady_clock::time_point steadyTime() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime wallTime() const override { return QDateTime::currentDateTime(); }
    std::chrono::steady_clock::time_point steadyTime() const override { return std::chrono::steady_clock::now(); }
};
