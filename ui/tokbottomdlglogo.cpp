#include "tokbottomdlglogo.h"

#include "buttonpictures.h"
#include "dialogfont.h"
#include "tpixigne.h"

#include <QGraphicsEffect>
#include <QPainter>
#include <QPlainTextEdit>

namespace {

const QStringList rulesText = {
    QStringLiteral("                           "),
    QStringLiteral("                                         Imagimot - Lecture"),
    QStringLiteral("                                         ---------------------------------"),
    QStringLiteral("     "),
    QStringLiteral("     'Imagimot ?' est une série d'exercices qui apporte à l'enfant une "),
    QStringLiteral(" aide pour la reconnaissance de formes, la reconnaissance des lettres,"),
    QStringLiteral(" l'acquisition de vocabulaire, la lecture, l'écriture et accessoirement "),
    QStringLiteral(" l'apprentissage du clavier."),
    QStringLiteral(""),
    QStringLiteral("     Ce module est une aide à la lecture qui s'adresse aux enfants à"),
    QStringLiteral(" partir de 5/6 ans. Il consiste à lire le nom d'un objet représenté à "),
    QStringLiteral(" l'écran parmi 5 images. Cette lecture est facilitée et motivée par le"),
    QStringLiteral(" coté ludique qui consiste à devoir cliquer sur la bonne image."),
    QStringLiteral(""),
    QStringLiteral("     Vous pouvez adapter les exercices à votre goût,  grâce aux "),
    QStringLiteral(" différentes options de la boîte à outils. "),
    QStringLiteral(""),
    QStringLiteral("     Par exemple, en jouant sur les paramètres 'Taille minimum' et  "),
    QStringLiteral(" 'Taille maximum', vous pouvez sélectionner tous les mots "),
    QStringLiteral(" (Minimum = 1, Maximum = 21) ou bien une série de mots simples "),
    QStringLiteral(" (ex : Minimum  =4, Maximum = 6)."),
    QStringLiteral(""),
    QStringLiteral("     Pour plus de renseignements, cliquez sur l'aide"),
    QStringLiteral("     et sur le logo Velune système."),
    QStringLiteral(""),
    QStringLiteral("     Travaillez (et amusez-vous) bien !"),
    QStringLiteral(""),
    QStringLiteral("    "),
};

// Bold for a font without a bold face, as Windows draws it: every glyph a
// pixel wider (the font's letter spacing) and printed twice, one pixel
// apart. Lightening keeps it to light text on a dark ground, as here.
class OverstrikeEffect : public QGraphicsEffect
{
public:
    using QGraphicsEffect::QGraphicsEffect;

protected:
    void draw(QPainter *painter) override
    {
        QPoint offset;
        const QPixmap pixmap = sourcePixmap(Qt::LogicalCoordinates, &offset, NoPad);
        painter->drawPixmap(offset, pixmap);
        painter->save();
        painter->setCompositionMode(QPainter::CompositionMode_Lighten);
        painter->drawPixmap(offset + QPoint(1, 0), pixmap);
        painter->restore();
    }
};

} // namespace

TOKBottomDlgLogo::TOKBottomDlgLogo(QWidget *parent)
    : FramedDialog(QStringLiteral("La règle du jeu"), QSize(416, 352), true, parent)
{
    QFont bold = DialogFont::font();
    bold.setBold(true);
    const bool overstrike = DialogFont::boldNeedsOverstrike(bold);
    if (overstrike)
        bold.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    // One pixel past the right and bottom edges: the box shows no edge there.
    Memo1 = addMemo(QRect(0, 0, 417, 353), rulesText, bold, QColor(0, 0, 128), Qt::white);
    if (overstrike)
        Memo1->setGraphicsEffect(new OverstrikeEffect(Memo1));

    Pixigne2 = ButtonPictures::addButton(this, QRect(364, 302, 36, 36), ButtonPicture::Quitter);
    connect(Pixigne2, &TPixigne::OnClick, this, &TOKBottomDlgLogo::QuitteAproposdeTessarin);
}

void TOKBottomDlgLogo::QuitteAproposdeTessarin()
{
    close();
}
