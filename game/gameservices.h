#pragma once

#include <QRegion>
#include <QString>

// What the game needs from the outside world. The window supplies the real
// ones; tests supply doubles, so turns are deterministic and never sleep.
class GameServices
{
public:
    virtual ~GameServices() = default;

    // UTC time of day in milliseconds: ((h * 60 + m) * 60 + s) * 1000 + ms.
    virtual int timeOfDayMs() = 0;
    // The system beep (failed settings load or save).
    virtual void beep() = 0;
    // A picture that cannot be read: message box titled "Lecture", stop icon.
    virtual void showError(const QString &message) = 0;
    // Wait `ms` milliseconds while still dispatching the window's events.
    virtual void pause(int ms) = 0;
    // The board changed within `changed`, which the window repaints (a
    // judged click changes one 33 x 32 mark).
    virtual void boardChanged(const QRegion &changed) = 0;
};
