#pragma once

#include <QDialog>

class QPlainTextEdit;
class TPixigne;

// The rules dialog: a fixed navy text and a quit button.
class TOKBottomDlgLogo : public QDialog
{
    Q_OBJECT
public:
    explicit TOKBottomDlgLogo(QWidget *parent = nullptr);

    void QuitteAproposdeTessarin();

    QPlainTextEdit *Memo1 = nullptr;
    TPixigne *Pixigne2 = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
};
