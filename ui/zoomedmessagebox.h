#pragma once

#include <QMessageBox>

// The toolkit's message box, magnified like the game's own dialogs: laid
// out by Qt at its own size first, then shown `factor` times larger and
// centred over the window that opened it.
class ZoomedMessageBox : public QMessageBox
{
public:
    ZoomedMessageBox(Icon icon, const QString &title, const QString &text, int factor, QWidget *parent);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    int m_factor;
};
