#pragma once

#include "gameservices.h"

#include <QStringList>

#include <functional>

// Deterministic stand-in for the world: a fixed clock, counted beeps,
// recorded error messages, and pauses that return at once (optionally
// running what the user would do meanwhile).
class FakeServices : public GameServices
{
public:
    int timeOfDayMs() override { return clockMs; }
    void beep() override { ++beeps; }
    void showError(const QString &message) override { errors << message; }
    void pause(int ms) override
    {
        pausedMs += ms;
        ++pauses;
        if (duringPause)
            duringPause(pauses);
    }
    void boardChanged(const QRegion &changed) override
    {
        ++repaints;
        repainted += changed;
    }

    int clockMs = 12 * 3600 * 1000;
    int beeps = 0;
    QStringList errors;
    int pausedMs = 0;
    int pauses = 0;
    int repaints = 0;
    QRegion repainted;
    std::function<void(int pauseNumber)> duringPause;
};
