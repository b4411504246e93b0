#include "zoomedmessagebox.h"

#include "zoom.h"

#include <algorithm>

#include <QAbstractButton>
#include <QKeyEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

ZoomedMessageBox::ZoomedMessageBox(Icon icon, const QString &title, const QString &text, int factor, QWidget *parent)
    : QMessageBox(icon, title, text, QMessageBox::Ok, parent)
    , m_factor(factor)
{ }

bool ZoomedMessageBox::event(QEvent *event)
{
    // Once magnified, the box's layout has lost its widgets to the zoom's
    // page: QMessageBox would size the box again from the empty layout.
    // So QMessageBox is passed over on purpose.
    if (event->type() == QEvent::LayoutRequest && Zoom::factor(this) > 1)
        return QDialog::event(event); // NOLINT(bugprone-parent-virtual-call)
    return QMessageBox::event(event);
}

void ZoomedMessageBox::keyPressEvent(QKeyEvent *event)
{
    // Enter closes the box as it does at factor 1: its button, now in the
    // zoom's page, is out of QDialog's reach.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && Zoom::factor(this) > 1 && button(QMessageBox::Ok)) {
        button(QMessageBox::Ok)->click();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void ZoomedMessageBox::showEvent(QShowEvent *event)
{
    // QMessageBox gives itself its size here, and only here.
    QMessageBox::showEvent(event);
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen *on = owner ? owner->screen() : nullptr;
    if (event->spontaneous() || m_factor <= 1 || Zoom::factor(this) > 1 || !on)
        return;
    const QRect area = on->availableGeometry();
    Zoom::apply(this, std::min(m_factor, Zoom::fitting(area.size(), size())));
    // Over the middle of the game, and whole on its screen.
    QRect placed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), owner->geometry());
    placed.moveLeft(std::clamp(placed.left(), area.left(), std::max(area.left(), area.right() - placed.width() + 1)));
    placed.moveTop(std::clamp(placed.top(), area.top(), std::max(area.top(), area.bottom() - placed.height() + 1)));
    setGeometry(placed);
}
