#pragma once

#include <QFont>
#include <QImage>
#include <QRect>

class QDialog;
class QPlainTextEdit;
class QShowEvent;
class TPixigne;
class QWidget;

// What the settings, rules and help dialogs share: the fixed aqua frame, the
// small dialog font, centring on the screen, and image buttons.
namespace DialogFrame {

// The dialogs' font at 11 pixels: Wine's "MS Sans Serif" when fonts-wine is
// installed (same metrics as the font the dialogs were laid out for, lines 13
// pixels apart), else Tahoma, else Liberation Sans.
QFont font();

// True when the font has no bold face and Qt only widens its glyphs for bold.
bool boldNeedsOverstrike(const QFont &font);

// Fixed client size, aqua background, the dialog font, the caption, and a
// title bar with a close box only when asked.
void setUp(QDialog *dialog, const QString &caption, QSize client, bool closeBox);

// Moves a window, about to be shown, to the middle of its screen.
void centreOnScreen(QWidget *window);

// A read-only text box with word wrap and no scroll bars, showing the lines
// from the top. Its text starts this many pixels in from its edges.
inline constexpr int memoMargin = 2;
QPlainTextEdit *addMemo(QWidget *parent, QRect geometry, const QStringList &lines, const QFont &font, QColor background,
                        QColor text);

TPixigne *addButton(QWidget *parent, QRect geometry, const QImage &up, const QImage &down);

} // namespace DialogFrame
