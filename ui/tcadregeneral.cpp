#include "tcadregeneral.h"

#include "buttonpictures.h"
#include "colours.h"
#include "datapaths.h"
#include "dialogfont.h"
#include "hintdelaystyle.h"
#include "platform.h"
#include "tmonimage.h"
#include "tokbottomdlgaide.h"
#include "tokbottomdlglogo.h"
#include "tokbottomdlgparam.h"
#include "touchtaps.h"
#include "tpixigne.h"
#include "zoom.h"

#include <algorithm>

#include <QApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

namespace {

const QString kTitle = QStringLiteral("Lecture");
// A title bar and thin borders, for the choice made before the window manager
// has framed the window.
const QSize kFrameGuess(8, 32);

} // namespace

TCadreGeneral::TCadreGeneral(GlyphSets sets, GameFolders folders, QWidget *parent)
    : QWidget(parent)
    , m_sets(std::move(sets))
    , m_services(this)
    , m_game(m_services, m_sets, std::move(folders))
{
    // Minimise and close but no maximise: the layout is pixel-fixed.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(kTitle);
    setFixedSize(kClientWidth, kClientHeight);
    move(301, 130);
    setWindowIcon(ButtonPictures::windowIcon());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Colours::kBlue);
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(DialogFont::font());

    PixigneLogo = addButton("PixigneLogo", {0, 255, 98, 36}, ButtonPicture::Logo,
                            QStringLiteral("A propos de Imagimot ?"), &TCadreGeneral::AproposdeCejeu);
    PixigneAide = addButton("PixigneAide", {197, 255, 36, 36}, ButtonPicture::Aide, QStringLiteral("L'aide"),
                            &TCadreGeneral::AfficheAide);
    PixigneQuitter = addButton("PixigneQuitter", {98, 255, 36, 36}, ButtonPicture::Quitter, QStringLiteral("Quitter"),
                               &TCadreGeneral::QuitterCejeu);
    PixigneOutils = addButton("PixigneOutils", {134, 255, 63, 36}, ButtonPicture::Outils,
                              QStringLiteral("Les paramètres"), &TCadreGeneral::param);
    PixigneVelune = addButton("PixigneVelune", {233, 255, 98, 36}, ButtonPicture::Velune,
                              QStringLiteral("A propos de Velune système"), &TCadreGeneral::AproposVS);
    PixigneOK = addButton("PixigneOK", {293, 217, 36, 36}, ButtonPicture::OK, QStringLiteral("Suite"),
                          &TCadreGeneral::Jeu_Suivant);
    PixigneAnnul = addButton("PixigneAnnul", {2, 217, 36, 36}, ButtonPicture::Annul, QStringLiteral("Réponse"),
                             &TCadreGeneral::Reponse);

    // Ctrl + "=" too: on many keyboards plus is shifted "=".
    const auto addKeys = [this](std::initializer_list<QKeySequence> keys, void (TCadreGeneral::*command)()) {
        for (const QKeySequence &key : keys)
            connect(new QShortcut(key, this), &QShortcut::activated, this, command);
    };
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, &TCadreGeneral::zoomIn);
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &TCadreGeneral::zoomOut);
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_0)}, &TCadreGeneral::zoomAuto);
    // Escape is left alone: a child must not leave full screen by accident.
    addKeys({QKeySequence(Qt::Key_F11)}, &TCadreGeneral::toggleFullScreen);
    new TouchTaps(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTickMs);
    // Queued: the tick's judgement runs after the timer's own event has
    // returned. Qt never fires a timer again while its timeout is still being
    // handled, so a streak flash run straight from the timeout would get no
    // tick during its pauses, and clicks made meanwhile would never be judged.
    connect(Timer1, &QTimer::timeout, this, &TCadreGeneral::test_reponse, Qt::QueuedConnection);
    Timer1->start();

    FormCreate();
}

TPixigne *TCadreGeneral::addButton(const char *name, QRect geometry, ButtonPicture picture, const QString &hint,
                                   void (TCadreGeneral::*command)())
{
    TPixigne *button = ButtonPictures::addButton(this, geometry, picture);
    button->setObjectName(QString::fromLatin1(name));
    button->setHint(hint);
    connect(button, &TPixigne::OnClick, this, command);
    return button;
}

void TCadreGeneral::FormCreate()
{
    HintDelayStyle::install(kHintDelayMs);
    m_board = new Tmonimage(m_game, this);
    m_board->setObjectName(QStringLiteral("board"));
    m_services.setBoard(m_board);
    m_board->move(0, 0);
    // "Suite" and the style button stand over the board's lower corners.
    m_board->lower();
    for (TPixigne *button :
         {PixigneLogo, PixigneAide, PixigneQuitter, PixigneOutils, PixigneVelune, PixigneOK, PixigneAnnul})
        button->setShowHint(true);
    m_game.Init();
}

void TCadreGeneral::Jeu_Suivant()
{
    m_game.Jeu_Suivant();
}

void TCadreGeneral::Reponse()
{
    m_game.Reponse();
}

void TCadreGeneral::param()
{
    // A locked class keeps its settings: the button still moves, nothing opens.
    if (m_game.settingsLocked())
        return;
    TOKBottomDlgParam dialog(m_game.settings(), m_game.turn(), this);
    Zoom::apply(&dialog, dialogZoom(&dialog));
    dialog.exec();
    m_game.param();
}

void TCadreGeneral::AproposdeCejeu()
{
    TOKBottomDlgLogo dialog(this);
    Zoom::apply(&dialog, dialogZoom(&dialog));
    dialog.exec();
}

void TCadreGeneral::AfficheAide()
{
    TOKBottomDlgAide dialog(this);
    Zoom::apply(&dialog, dialogZoom(&dialog));
    dialog.exec();
}

void TCadreGeneral::AproposVS()
{
    // Only the program that came with the game, beside its pictures: started
    // from the menu, the working directory is the user's home.
    const QString program = DataPaths::publisherProgram(m_game.workDirPath());
    if (!program.isEmpty())
        Platform::launchPublisherProgram(program);
}

void TCadreGeneral::QuitterCejeu()
{
    // The program ends whether or not the file could be written (or, in a
    // locked class, without writing it).
    m_game.QuitterCejeu();
    QCoreApplication::quit();
}

void TCadreGeneral::test_reponse()
{
    m_game.test_reponse();
}

int TCadreGeneral::zoom() const
{
    return m_fullScreen ? Zoom::deviceFactor(this) : Zoom::factor(this);
}

void TCadreGeneral::setZoom(int factor)
{
    if (m_fullScreen)
        placeFullScreen(factor);
    else
        Zoom::apply(this, std::clamp(factor, Zoom::kMin, Zoom::kMax));
}

int TCadreGeneral::dialogZoom(const QWidget *dialog) const
{
    if (!m_fullScreen)
        return zoom();
    // As large as the game, in whole window pixels, but whole on the screen.
    return std::min(Zoom::factor(this), Zoom::fitting(size(), dialog->size()));
}

void TCadreGeneral::placeFullScreen(int factor)
{
    Zoom::applyCentred(this, factor, size());
    update();
}

void TCadreGeneral::setFullScreen(bool on)
{
    if (on == m_fullScreen)
        return;
    if (!on) {
        m_fullScreen = false;
        showNormal();
        Zoom::apply(this, m_windowZoom);
        move(m_windowPos);
        return;
    }
    m_windowZoom = zoom();
    m_windowPos = pos();
    m_fullScreen = true;
    // The screen the window is on; the factor is chosen again when the
    // window takes that screen's size (see resizeEvent).
    const QScreen *onScreen = QGuiApplication::screenAt(geometry().center());
    if (!onScreen)
        onScreen = screen();
    const QSize area = onScreen ? onScreen->geometry().size() : size();
    Zoom::applyCentred(this, Zoom::kLargest, area);
    showFullScreen();
}

void TCadreGeneral::toggleFullScreen()
{
    setFullScreen(!m_fullScreen);
}

void TCadreGeneral::resizeEvent(QResizeEvent *event)
{
    // A new screen size (a projector plugged in, the resolution changed):
    // the largest factor that fits it.
    if (m_fullScreen)
        placeFullScreen(Zoom::kLargest);
    QWidget::resizeEvent(event);
}

void TCadreGeneral::zoomIn()
{
    setZoom(zoom() + 1);
}

void TCadreGeneral::zoomOut()
{
    setZoom(zoom() - 1);
}

void TCadreGeneral::zoomAuto()
{
    // The screen the window is on, or will open on; its logical size, so
    // that a desktop's own scaling multiplies with ours.
    const QScreen *on = QGuiApplication::screenAt(geometry().center());
    if (!on)
        on = screen();
    if (!on)
        return;
    if (m_fullScreen) {
        setZoom(Zoom::kLargest);
        return;
    }
    const QSize frame = isVisible() && frameGeometry() != geometry() ? frameGeometry().size() - size() : kFrameGuess;
    setZoom(Zoom::automatic(on->availableGeometry().size(), QSize(kClientWidth, kClientHeight), frame));
}
