#include "windowservices.h"

#include "zoom.h"
#include "zoomedmessagebox.h"

#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

WindowServices::WindowServices(QWidget *window)
    : m_window(window)
{ }

int WindowServices::timeOfDayMs()
{
    return QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay();
}

void WindowServices::beep()
{
    // The system's default alert; on Windows Qt plays it by MessageBeep(MB_OK).
    QApplication::beep();
}

void WindowServices::showError(const QString &message)
{
    // At the game's factor, centred over it, as the other dialogs.
    ZoomedMessageBox box(QMessageBox::Critical, m_window->windowTitle(), message, Zoom::factor(m_window), m_window);
    box.exec();
}

void WindowServices::pause(int ms)
{
    // A nested loop: the board repaints, the timer ticks and the buttons work
    // while we wait, and the core sleeps instead of spinning.
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    // A coarse timer may fire a few percent early; the wait is a minimum.
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(ms);
    loop.exec();
}

void WindowServices::boardChanged(const QRegion &changed)
{
    // One rectangle: a region of many bands costs more to paint and flush
    // than their bounding box.
    if (m_board)
        m_board->update(changed.boundingRect());
}
