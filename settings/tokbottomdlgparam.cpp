#include "tokbottomdlgparam.h"

#include "buttonpictures.h"
#include "gamesettings.h"
#include "tpixigne.h"
#include "turnstate.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace {

// A stored value past the last item (mode 7 from the settings file) shows
// as the last item.
void selectItem(QButtonGroup *group, int index)
{
    const QList<QAbstractButton *> items = group->buttons();
    if (items.isEmpty())
        return;
    items.at(std::clamp(index, 0, int(items.size()) - 1))->setChecked(true);
}

// Tab reaches a radio group through its checked item only. Qt fixes this
// itself when an item gets focus, which a group never focused has not had.
void tabToCheckedItemOnly(QButtonGroup *group)
{
    for (QAbstractButton *item : group->buttons()) {
        const Qt::FocusPolicy policy = item->focusPolicy();
        item->setFocusPolicy(item->isChecked() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                               : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

int selectedItem(const QButtonGroup *group)
{
    return std::max(group->checkedId(), 0);
}

} // namespace

TOKBottomDlgParam::TOKBottomDlgParam(GameSettings &settings, TurnState &turn, QWidget *parent)
    : FramedDialog(QStringLiteral("Paramètres de Imagimot ?"), QSize(321, 213), false, parent)
    , m_settings(settings)
    , m_turn(turn)
{
    // Built in focus order: the exercise modes come first.
    GroupeExercices =
        addRadioGroup(QRect(176, 8, 137, 161), QStringLiteral("Exercices"),
                      {QStringLiteral("La découverte"), QStringLiteral("Les premiers pas"),
                       QStringLiteral("Petit échauffement"), QStringLiteral("Entraînement poussé"),
                       QStringLiteral("Les exercices notés"), QStringLiteral("Le défi : 10 à la suite !")},
                      exercicesItems);
    GroupeCaract = addRadioGroup(QRect(8, 8, 161, 89), QStringLiteral("Caractères"),
                                 {QStringLiteral("Minuscules attachées"), QStringLiteral("Minuscules d'imprimerie"),
                                  QStringLiteral("Majuscules")},
                                 caractItems);

    GroupeOptions = new QGroupBox(QStringLiteral("Options"), this);
    GroupeOptions->setGeometry(8, 96, 161, 113);
    BoxAccents = new QCheckBox(QStringLiteral("Mots accentués admis"), GroupeOptions);
    BoxAccents->setGeometry(16, 24, 137, 17);
    BoxTraits = new QCheckBox(QStringLiteral("Traits apparents"), GroupeOptions);
    BoxTraits->setGeometry(16, 40, 137, 17);
    BoxTraits->setVisible(false);
    MaskMini = addSizeField(QPoint(8, 56));
    Label3 = new QLabel(QStringLiteral("Taille minimum (1 ou +)"), GroupeOptions);
    Label3->setGeometry(40, 60, 107, 13);
    MaskMaxi = addSizeField(QPoint(8, 88));
    Label4 = new QLabel(QStringLiteral("Taille maximum (%1 ou -)").arg(SizeLimits::kMaxiAtMostInDialog), GroupeOptions);
    Label4->setGeometry(40, 92, 113, 13);

    Pixigne2 = ButtonPictures::addButton(this, QRect(176, 172, 36, 36), ButtonPicture::Croix);
    Pixigne1 = ButtonPictures::addButton(this, QRect(280, 173, 36, 36), ButtonPicture::OK);
    connect(Pixigne1, &TPixigne::OnClick, this, &TOKBottomDlgParam::ValideParam);
    connect(Pixigne2, &TPixigne::OnClick, this, &TOKBottomDlgParam::AnnuleParam);

    fillFromSettings();

    // Only the checked item of each group takes Tab focus, so this chain
    // visits each group once, as one control.
    QList<QWidget *> chain;
    for (QAbstractButton *item : exercicesItems->buttons())
        chain.append(item);
    for (QAbstractButton *item : caractItems->buttons())
        chain.append(item);
    chain << BoxAccents << MaskMini << MaskMaxi;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
    exercicesItems->checkedButton()->setFocus();
}

QGroupBox *TOKBottomDlgParam::addRadioGroup(QRect geometry, const QString &caption, const QStringList &items,
                                            QButtonGroup *&group)
{
    auto *box = new QGroupBox(caption, this);
    box->setGeometry(geometry);
    group = new QButtonGroup(box);
    group->setExclusive(true);

    // Items spread evenly over the space under the caption.
    const int captionHeight = QFontMetrics(font()).height();
    const int count = int(items.size());
    const int spare = geometry.height() - captionHeight - 5;
    const int itemHeight = spare / count;
    const int top = captionHeight + 1 + (spare % count) / 2;
    for (int i = 0; i < count; ++i) {
        auto *item = new QRadioButton(items.at(i), box);
        item->setGeometry(8, top + i * itemHeight, geometry.width() - 10, itemHeight);
        group->addButton(item, i);
    }
    return box;
}

QLineEdit *TOKBottomDlgParam::addSizeField(QPoint position)
{
    auto *field = new QLineEdit(GroupeOptions);
    field->setGeometry(QRect(position, QSize(25, 21)));
    // Two positions, digits only; an empty position shows as a blank.
    field->setInputMask(QStringLiteral("99; "));
    // The fields draw on the palette's base, so they keep the ordinary
    // background while everything around them takes the dialog's aqua.
    return field;
}

void TOKBottomDlgParam::fillFromSettings()
{
    selectItem(caractItems, m_settings.StyleCaracteres - 1);
    selectItem(exercicesItems, m_settings.TypeExercice - 1);
    tabToCheckedItemOnly(caractItems);
    tabToCheckedItemOnly(exercicesItems);
    BoxAccents->setChecked(m_settings.MotsAccentues);
    BoxTraits->setChecked(m_settings.TraitsApparents);
    // The mask pads a one-digit value with a blank after it.
    MaskMini->setText(QString::number(m_settings.TailleMini));
    MaskMaxi->setText(QString::number(m_settings.TailleMaxi));
}

void TOKBottomDlgParam::ValideParam()
{
    m_turn.ParamValide = true;
    m_settings.StyleCaracteres = std::uint8_t(selectedItem(caractItems) + 1);
    m_settings.TypeExercice = std::uint8_t(selectedItem(exercicesItems) + 1);
    m_settings.MotsAccentues = BoxAccents->isChecked();
    m_settings.TraitsApparents = BoxTraits->isChecked();

    // The mask lets only digits and blanks in; toInt skips the blanks around
    // a digit and reads two blanks as 0.
    const auto [mini, maxi] =
        SizeLimits::corrected(MaskMini->text().toInt(), MaskMaxi->text().toInt(), SizeLimits::kMaxiAtMostInDialog);
    m_settings.TailleMini = std::uint8_t(mini);
    m_settings.TailleMaxi = std::uint8_t(maxi);
    done(QDialog::Accepted);
}

void TOKBottomDlgParam::AnnuleParam()
{
    m_turn.ParamValide = false;
    fillFromSettings();
    done(QDialog::Rejected);
}
