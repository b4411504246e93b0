#pragma once

#include <QDialog>

class QPlainTextEdit;
class TPixigne;

// The help dialog: the help text, a working quit button and inert copies of
// the main window's buttons sitting in the gaps of the lines that name them.
class TOKBottomDlgAide : public QDialog
{
    Q_OBJECT
public:
    explicit TOKBottomDlgAide(QWidget *parent = nullptr);

    void QuitteAide();

    QPlainTextEdit *MemoAide = nullptr;
    TPixigne *PixigneQuitter = nullptr;
    TPixigne *PixigneLogo = nullptr;
    TPixigne *PixigneOutils = nullptr;
    TPixigne *PixigneAnnul = nullptr;
    TPixigne *PixigneOK = nullptr;
    TPixigne *PixigneQuitter2 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
};
