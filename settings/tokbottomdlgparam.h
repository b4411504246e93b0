#pragma once

#include "frameddialog.h"

struct GameSettings;
struct TurnState;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class TPixigne;

// The settings dialog. It keeps no copy of the settings: its controls are its
// only state, filled from GameSettings when it opens. Only its two image
// buttons close it through a handler; no key confirms or cancels it.
class TOKBottomDlgParam : public FramedDialog
{
    Q_OBJECT
public:
    TOKBottomDlgParam(GameSettings &settings, TurnState &turn, QWidget *parent = nullptr);

    // Confirm: sets ParamValide, stores the controls into the settings, closes.
    void ValideParam();
    // Cancel: clears ParamValide, refills the controls, closes.
    void AnnuleParam();

    // The two radio groups: a captioned box and its exclusive items, ids 0..n-1.
    QGroupBox *GroupeCaract = nullptr;
    QButtonGroup *caractItems = nullptr;
    QGroupBox *GroupeExercices = nullptr;
    QButtonGroup *exercicesItems = nullptr;

    QGroupBox *GroupeOptions = nullptr;
    QCheckBox *BoxAccents = nullptr;
    QCheckBox *BoxTraits = nullptr; // hidden: carries TraitsApparents through
    QLineEdit *MaskMini = nullptr;
    QLineEdit *MaskMaxi = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    TPixigne *Pixigne1 = nullptr; // confirm
    TPixigne *Pixigne2 = nullptr; // cancel

private:
    QGroupBox *addRadioGroup(QRect geometry, const QString &caption, const QStringList &items, QButtonGroup *&group);
    QLineEdit *addSizeField(QPoint position);
    void fillFromSettings();

    GameSettings &m_settings;
    TurnState &m_turn;
};
