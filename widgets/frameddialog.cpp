#include "frameddialog.h"

#include "dialogfont.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

namespace {

// Moves a window, about to be shown, to the middle of its screen.
void centreOnScreen(QWidget *window)
{
    // The screen of the window that opened it, where the child is looking.
    const QWidget *owner = window->parentWidget() ? window->parentWidget()->window() : window;
    const QScreen *screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame is not known before the first show; centring the client area
    // is off by half the title bar at most.
    window->setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(), screen->availableGeometry()));
}

} // namespace

FramedDialog::FramedDialog(const QString &caption, QSize client, bool closeBox, QWidget *parent)
    : QDialog(parent)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowTitle(caption);
    setFixedSize(client);
    DialogFont::load();
    setFont(DialogFont::font());

    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 255, 255));
    setPalette(pal);
    setAutoFillBackground(true);
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
        centreOnScreen(this);
        aboutToAppear();
    }
    QDialog::showEvent(event);
}

QPlainTextEdit *FramedDialog::addMemo(QRect geometry, const QStringList &lines, const QFont &font, QColor background,
                                      QColor text)
{
    auto *memo = new QPlainTextEdit(this);
    memo->setGeometry(geometry);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setWordWrapMode(QTextOption::WordWrap);
    memo->setFont(font);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, text);
    memo->setPalette(palette);
    memo->document()->setDocumentMargin(kMemoMargin);
    memo->setPlainText(lines.join(QLatin1Char('\n')));
    memo->setReadOnly(true);
    return memo;
}
