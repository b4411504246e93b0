#include "touchtaps.h"

#include "tpixigne.h"
#include "zoom.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTouchEvent>
#include <QWidget>

TouchTaps::TouchTaps(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    // The window takes every touch on it, through the magnifier too; no
    // mouse event is made from them, which would carry the first finger
    // only.
    window->setAttribute(Qt::WA_AcceptTouchEvents);
    qApp->installEventFilter(this);
}

bool TouchTaps::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: break;
    default: return false;
    }
    auto *receiver = qobject_cast<QWidget *>(watched);
    if (!receiver || receiver->window() != m_window)
        return false;
    handle(receiver, static_cast<QTouchEvent *>(event));
    event->accept();
    return true;
}

void TouchTaps::handle(QWidget *receiver, QTouchEvent *touch)
{
    if (touch->type() == QEvent::TouchCancel) {
        // Taken away by the system: a release outside, no click.
        if (m_held)
            sendToHeld(QEvent::MouseButtonRelease, QPointF(-1e6, -1e6), Qt::NoButton);
        m_held = nullptr;
        m_holder = -1;
        return;
    }
    QWidget *page = Zoom::page(m_window);
    for (const QEventPoint &point : touch->points()) {
        const QPointF at = receiver->mapTo(m_window, point.position());
        if (point.id() == m_holder) {
            if (point.state() == QEventPoint::Released) {
                sendToHeld(QEvent::MouseButtonRelease, at, Qt::NoButton);
                m_held = nullptr;
                m_holder = -1;
            } else if (point.state() == QEventPoint::Updated) {
                sendToHeld(QEvent::MouseMove, at, Qt::LeftButton);
            }
            continue;
        }
        if (point.state() != QEventPoint::Pressed)
            continue;
        const QPoint designed = Zoom::designedPoint(m_window, at);
        QWidget *target = page->childAt(designed);
        if (!target)
            continue;
        const QPointF local = target->mapFrom(page, QPointF(designed));
        if (qobject_cast<TPixigne *>(target)) {
            // One finger at a time holds a button, as there is one mouse.
            if (m_held)
                continue;
            m_held = target;
            m_holder = point.id();
            // A second tap soon after the first is a double click, which
            // moves "Suite" on by one word only, as the mouse does.
            const bool twice = m_lastTapped == target
                               && touch->timestamp() - m_lastTapMs
                                      < quint64(QGuiApplication::styleHints()->mouseDoubleClickInterval());
            m_lastTapped = twice ? nullptr : target;
            m_lastTapMs = touch->timestamp();
            sendToHeld(twice ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress, at, Qt::LeftButton);
            continue;
        }
        // The board records a press; a tap elsewhere is a press and release.
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent mouse(type, local, target->mapToGlobal(local), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, touch->modifiers());
            QCoreApplication::sendEvent(target, &mouse);
        }
    }
}

void TouchTaps::sendToHeld(QEvent::Type type, QPointF windowPos, Qt::MouseButtons buttons)
{
    // Kept: a click may open a dialog, and the window may change meanwhile.
    const QPointer<QWidget> held = m_held;
    const QPoint designed = Zoom::designedPoint(m_window, windowPos);
    const QPointF local = held->mapFrom(Zoom::page(m_window), QPointF(designed));
    QMouseEvent mouse(type, local, held->mapToGlobal(local), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(held, &mouse);
}
