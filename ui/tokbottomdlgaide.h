#pragma once

#include "frameddialog.h"

#include <QList>
#include <QRect>

class QPlainTextEdit;
class TPixigne;

// The help dialog: the help text, a working quit button and inert copies of
// the main window's buttons sitting in the gaps of the lines that name them.
class TOKBottomDlgAide : public FramedDialog
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
    void aboutToAppear() override;

private:
    struct Copy
    {
        TPixigne *button;
        QRect design;   // where it sits with the font the text was laid out for
        int line;       // 1-based line of the help text
        bool afterText; // after the end of the line rather than in its gap
    };
    // Over its gap as the text box lays the line out in the current font;
    // the design place when the line wraps inside the gap.
    QRect placeCopy(const Copy &copy) const;

    QList<Copy> m_copies;
};
