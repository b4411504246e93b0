#pragma once

#include <QEvent>
#include <QObject>
#include <QPointF>
#include <QPointer>

class QTouchEvent;
class QWidget;

// Fingers on a window, as a child would use a whiteboard or a touch screen.
// Every finger that lands on the board is a click there, so that two
// fingers within one tick are judged as two clicks are. The first finger on
// a button holds it as the mouse would: pressed while the finger is over it,
// a click when it lifts there, none when it slid off first. Nothing else:
// a long press or a swipe does no more than its first touch did.
class TouchTaps : public QObject
{
public:
    // Lives as long as `window`, which must be a top-level window.
    explicit TouchTaps(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void handle(QWidget *receiver, QTouchEvent *touch);
    void sendToHeld(QEvent::Type type, QPointF windowPos, Qt::MouseButtons buttons);

    QWidget *m_window;
    // The button the finger `m_holder` went down on.
    QPointer<QWidget> m_held;
    int m_holder = -1;
    // The last tap's button and time, for a double tap.
    QPointer<QWidget> m_lastTapped;
    quint64 m_lastTapMs = 0;
};
