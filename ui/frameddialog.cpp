#include "frameddialog.h"

#include "dialogframe.h"

#include <QKeyEvent>
#include <QShowEvent>

FramedDialog::FramedDialog(const QString &caption, QSize client, bool closeBox, QWidget *parent)
    : QDialog(parent)
{
    DialogFrame::setUp(this, caption, client, closeBox);
}

void FramedDialog::keyPressEvent(QKeyEvent *event)
{
    // QDialog takes Escape as cancel and Enter as its default button.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter: event->accept(); return;
    default: QDialog::keyPressEvent(event);
    }
}

void FramedDialog::showEvent(QShowEvent *event)
{
    // A spontaneous show is the window system restoring the dialog, not the
    // program opening it: it stays where the user left it.
    if (!event->spontaneous()) {
        DialogFrame::centreOnScreen(this);
        aboutToAppear();
    }
    QDialog::showEvent(event);
}
