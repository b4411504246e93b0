#pragma once

#include <QDialog>

class QKeyEvent;
class QShowEvent;

// What the settings, rules and help dialogs share as windows: the fixed aqua
// frame and font, centring on the screen each time a fresh instance is
// shown, and no key that closes them (only their image buttons, and the
// close box where they have one, do).
class FramedDialog : public QDialog
{
    Q_OBJECT
public:
    FramedDialog(const QString &caption, QSize client, bool closeBox, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

    // Called once centred, before the first paint: for what can only be
    // placed once the dialog's widgets have their final size.
    virtual void aboutToAppear() { }
};
