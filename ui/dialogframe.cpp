#include "dialogframe.h"

#include "platform.h"
#include "tpixigne.h"

#include <QDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>

namespace DialogFrame {

namespace {

// Loaded by file: fontconfig's usual set-up rejects Wine's MS Sans Serif, a
// bitmap font, and Windows has no such font at all.
void loadWineFonts()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    for (const QString &file : Platform::dialogFontFiles())
        QFontDatabase::addApplicationFont(file);
}

} // namespace

QFont font()
{
    loadWineFonts();
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans")});
    f.setPixelSize(11);
    return f;
}

bool boldNeedsOverstrike(const QFont &font)
{
    const QString family = QFontInfo(font).family();
    return !QFontDatabase::isSmoothlyScalable(family);
}

void setUp(QDialog *dialog, const QString &caption, QSize client, bool closeBox)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    dialog->setWindowFlags(flags);
    dialog->setWindowTitle(caption);
    dialog->setFixedSize(client);
    dialog->setFont(font());

    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, QColor(0, 255, 255));
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);
}

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

QPlainTextEdit *addMemo(QWidget *parent, QRect geometry, const QStringList &lines, const QFont &font, QColor background,
                        QColor text)
{
    auto *memo = new QPlainTextEdit(parent);
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
    memo->document()->setDocumentMargin(memoMargin);
    memo->setPlainText(lines.join(QLatin1Char('\n')));
    memo->setReadOnly(true);
    return memo;
}

TPixigne *addButton(QWidget *parent, QRect geometry, const QImage &up, const QImage &down)
{
    auto *button = new TPixigne(parent);
    button->setGeometry(geometry);
    button->setBitmapUp(up);
    button->setBitmapDown(down);
    return button;
}

} // namespace DialogFrame
