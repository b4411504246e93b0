#include "tpixigne.h"

#include "dialogfont.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TPixigne::TPixigne(QWidget *parent)
    : QWidget(parent)
{
    // Moves with no button held must reach the button too, so that the
    // pointer is known to be over it before a press.
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPixigne::setBitmapUp(const QImage &picture)
{
    update();
    m_bitmapUp = picture;
}

void TPixigne::setBitmapDown(const QImage &picture)
{
    update();
    m_bitmapDown = picture;
}

void TPixigne::setHint(const QString &hint)
{
    m_hint = hint;
    setAccessibleName(hint);
    updateToolTip();
}

void TPixigne::setShowHint(bool show)
{
    m_showHint = show;
    updateToolTip();
}

void TPixigne::updateToolTip()
{
    setToolTip(m_showHint ? m_hint : QString());
}

QSize TPixigne::sizeHint() const
{
    return m_bitmapUp.size();
}

bool TPixigne::event(QEvent *event)
{
    // Another window taking over while the left button is held: the release
    // will never come here, so behave as if it happened outside.
    if (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide)
        loseCapture();
    // A hint is drawn in the dialogs' font, whose files wait for the first
    // text the program shows.
    if (event->type() == QEvent::ToolTip && m_showHint)
        DialogFont::load();
    return QWidget::event(event);
}

void TPixigne::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QWidget *holder = parentWidget();
    const QColor background =
        holder ? holder->palette().color(holder->backgroundRole()) : palette().color(QPalette::Window);
    painter.fillRect(event->rect(), background);
    // Drawn at its own size from the corner: a larger picture is cut by the
    // widget's edges, a smaller one leaves the holder's colour around it.
    painter.drawImage(QPoint(0, 0), m_pressed && m_mouseInside ? m_bitmapDown : m_bitmapUp);
}

void TPixigne::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    // Qt delivers moves outside the button while any button is held on it;
    // without a left press the button would not see them.
    if (!m_captured && !rect().contains(pos))
        return;
    emit OnMouseMove(pos);
    trackPointer(pos);
}

void TPixigne::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (!m_captured && !rect().contains(pos))
        return;
    // A press always lands where the pointer is, even when no move was
    // seen before it (a window just shown under a still pointer).
    trackPointer(pos);
    press(event->button(), true);
}

void TPixigne::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (!m_captured && !rect().contains(pos))
        return;
    trackPointer(pos);
    if (event->button() == Qt::LeftButton)
        emit OnDblClick();
    // The release of a double click is no click: only single presses arm one.
    press(event->button(), false);
}

void TPixigne::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const bool inside = rect().contains(pos);
    if (!m_captured && !inside)
        return;
    if (event->button() == Qt::LeftButton && m_captured) {
        const bool click = m_clickArmed && inside;
        m_captured = false;
        m_clickArmed = false;
        // The command runs while the button still looks pressed; a dialog
        // it opens shows over the pressed picture.
        if (click)
            emit OnClick();
    }
    setPressed(false);
}

void TPixigne::trackPointer(QPoint pos)
{
    const bool inside = rect().contains(pos);
    if (inside == m_mouseInside)
        return;
    m_mouseInside = inside;
    update();
}

void TPixigne::press(Qt::MouseButton button, bool armClick)
{
    if (button == Qt::LeftButton) {
        m_captured = true;
        m_clickArmed = armClick;
    }
    setPressed(true);
}

void TPixigne::setPressed(bool pressed)
{
    if (pressed == m_pressed)
        return;
    m_pressed = pressed;
    update();
}

void TPixigne::loseCapture()
{
    if (!m_captured)
        return;
    m_captured = false;
    m_clickArmed = false;
    setPressed(false);
}
