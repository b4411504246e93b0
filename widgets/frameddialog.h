#pragma once

#include <QDialog>

class QKeyEvent;
class QPlainTextEdit;
class QShowEvent;

// What the settings, rules and help dialogs share: a fixed client size, the
// aqua background and the dialog font, a title bar with a close box only
// when asked, centring on the screen each time a fresh instance is shown,
// and no key that closes them (only their image buttons, and the close box
// where they have one, do).
class FramedDialog : public QDialog
{
    Q_OBJECT
public:
    FramedDialog(const QString &caption, QSize client, bool closeBox, QWidget *parent);

    // A memo's text starts this many pixels in from its edges.
    static constexpr int kMemoMargin = 2;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

    // Called once centred, before the first paint: for what can only be
    // placed once the dialog's widgets have their final size.
    virtual void aboutToAppear() { }

    // A read-only text box with word wrap and no scroll bars, showing the
    // lines from the top.
    QPlainTextEdit *addMemo(QRect geometry, const QStringList &lines, const QFont &font, QColor background,
                            QColor text);
};
