#include "tokbottomdlgaide.h"

#include "buttonpictures.h"
#include "colours.h"
#include "dialogfont.h"
#include "tpixigne.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace {

const QStringList helpText = {
    QStringLiteral(""),
    QStringLiteral("                                            Fonctionnalités de Imagimot - Lecture "),
    QStringLiteral(
        "                                            --------------------------------------------------------------"),
    QStringLiteral(""),
    QStringLiteral(""),
    QStringLiteral(
        "    Cliquez sur le logo                                    pour connaître le but de ce jeu éducatif."),
    QStringLiteral(""),
    QStringLiteral(" "),
    QStringLiteral(
        "    Sélectionnez ensuite dans la boite  à outils                           les  paramètres suivants :"),
    QStringLiteral(""),
    QStringLiteral("        "),
    QStringLiteral("       - Le style des caractères (minuscules liées ou non, majuscules...)"),
    QStringLiteral("       - Les options concernant les accents et la taille des noms."),
    QStringLiteral("       - Le type d'exercice à choisir entre :"),
    QStringLiteral("         - Découverte : Découvrez les images et leurs noms qui s'affichent à chaque tour."),
    QStringLiteral("         - Premiers pas : Le nom à trouver est simple et ne comprend pas d'accent."),
    QStringLiteral("         - Echauffement : Tous les noms sont valides, les bonnes réponses sont signalées."),
    QStringLiteral("         - Entraînement : Les réponses sont notées par des symboles différents. "),
    QStringLiteral("         - Exercices : Pour réussir il faut donner 10 réponses exactes de plus que d'inexactes."),
    QStringLiteral(
        "         - Le défi : Pour être champion, il faut donner 10 noms exacts à la suite sans se tromper ! "),
    QStringLiteral(""),
    QStringLiteral("   "),
    QStringLiteral("    Vous pouvez changer le style des caractères en cliquant sur :"),
    QStringLiteral(" "),
    QStringLiteral("    Pour passer à la suite, appuyez sur               ou sur Entrée."),
    QStringLiteral(""),
    QStringLiteral(
        "    Pour quitter le jeu en sauvegardant la partie, cliquez sur                Si vous ne désirez pas "),
    QStringLiteral("    sauvegarder, quittez au moyen de la barre système."),
    QStringLiteral("    "),
};

// Where the copy after the end of line 23 sits, past the colon that ends it.
constexpr int afterTextGap = 8;

// The span of the widest run of blanks inside a line, after its indent.
std::pair<int, int> gapIn(const QString &line)
{
    int best = 0, bestLength = 0;
    int i = 0;
    while (i < line.size() && line.at(i) == QLatin1Char(' '))
        ++i;
    while (i < line.size()) {
        int j = i;
        while (j < line.size() && line.at(j) == QLatin1Char(' '))
            ++j;
        if (j - i > bestLength) {
            best = i;
            bestLength = j - i;
        }
        i = j > i ? j : i + 1;
    }
    return {best, best + bestLength};
}

} // namespace

TOKBottomDlgAide::TOKBottomDlgAide(QWidget *parent)
    : FramedDialog(QStringLiteral("Fonctionnalités de Imagimot - Lecture"), QSize(449, 428), true, parent)
{
    // Five pixels past the bottom: the box shows no edge there.
    MemoAide = addMemo(QRect(0, 0, 449, 433), helpText, DialogFont::font(), Colours::kAqua,
                       palette().color(QPalette::WindowText));

    PixigneQuitter = ButtonPictures::addButton(this, QRect(408, 384, 36, 36), ButtonPicture::Quitter);
    connect(PixigneQuitter, &TPixigne::OnClick, this, &TOKBottomDlgAide::QuitteAide);

    // The copies only illustrate the text: the released picture in both
    // states and no command, so a click neither acts nor shows.
    const auto copy = [this](ButtonPicture picture, QRect design, int line, bool afterText) {
        m_copies.append({ButtonPictures::addButton(this, design, picture, false), design, line, afterText});
        return m_copies.last().button;
    };
    PixigneLogo = copy(ButtonPicture::Logo, QRect(104, 56, 97, 36), 6, false);
    PixigneOutils = copy(ButtonPicture::Outils, QRect(227, 92, 64, 36), 9, false);
    PixigneAnnul = copy(ButtonPicture::Annul, QRect(312, 277, 36, 36), 23, true);
    PixigneOK = copy(ButtonPicture::OK, QRect(184, 304, 36, 36), 25, false);
    PixigneQuitter2 = copy(ButtonPicture::Quitter, QRect(284, 332, 36, 36), 27, false);
}

void TOKBottomDlgAide::QuitteAide()
{
    close();
}

QRect TOKBottomDlgAide::placeCopy(const Copy &copy) const
{
    const QTextBlock block = MemoAide->document()->findBlockByNumber(copy.line - 1);
    if (!block.isValid())
        return copy.design;
    const QString text = block.text();
    const auto [from, to] = copy.afterText ? std::pair{int(text.size()), int(text.size())} : gapIn(text);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + from);
    const QRect start = MemoAide->cursorRect(cursor);
    cursor.setPosition(block.position() + to);
    const QRect end = MemoAide->cursorRect(cursor);
    // A gap broken by the word wrap has no single place to sit in.
    if (start.top() != end.top() || end.left() < start.left())
        return copy.design;

    const QSize size = copy.design.size();
    const int x =
        copy.afterText ? start.left() + afterTextGap : start.left() + (end.left() - start.left() - size.width()) / 2;
    const int y = start.top() + (start.height() - size.height()) / 2;
    // The copies share the text box's parent: the dialog, or the page that
    // shows it magnified.
    const QWidget *holder = MemoAide->parentWidget();
    const QRect placed(MemoAide->viewport()->mapTo(holder, QPoint(x, y)), size);
    return holder->rect().contains(placed) ? placed : copy.design;
}

void TOKBottomDlgAide::aboutToAppear()
{
    // The text box has its final width only now that it is shown.
    for (const Copy &copy : std::as_const(m_copies))
        copy.button->setGeometry(placeCopy(copy));
}
