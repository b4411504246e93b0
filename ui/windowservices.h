#pragma once

#include "gameservices.h"

class QWidget;

// The real clock, beep, message box and pause that the window gives its
// game. Kept out of the window so that the calls run one way: the window
// calls the game, the game calls these, and these never call the game.
class WindowServices : public GameServices
{
public:
    // Messages open over `window`, under its title.
    explicit WindowServices(QWidget *window);

    // The widget that shows the board; changes before it exists are shown
    // by its first paint.
    void setBoard(QWidget *board) { m_board = board; }

    int timeOfDayMs() override;
    void beep() override;
    void showError(const QString &message) override;
    void pause(int ms) override;
    void boardChanged(const QRegion &changed) override;

private:
    QWidget *m_window;
    QWidget *m_board = nullptr;
};
