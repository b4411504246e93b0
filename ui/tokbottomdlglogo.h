#pragma once

#include "frameddialog.h"

class QPlainTextEdit;
class TPixigne;

// The rules dialog: a fixed navy text and a quit button.
class TOKBottomDlgLogo : public FramedDialog
{
    Q_OBJECT
public:
    explicit TOKBottomDlgLogo(QWidget *parent = nullptr);

    void QuitteAproposdeTessarin();

    QPlainTextEdit *Memo1 = nullptr;
    TPixigne *Pixigne2 = nullptr;
};
