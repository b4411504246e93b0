#include "boardlayout.h"
#include "colours.h"
#include "glyphmapping.h"
#include "picturefolder.h"
#include "tcadregeneral.h"
#include "testsets.h"
#include "tmonimage.h"
#include "tpixigne.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolTip>

#include <memory>

namespace {

const QString kSettingsFile = QStringLiteral("imolectu.dat");

QPoint cellCentre(int cell)
{
    return BoardLayout::pictureCentre(cell);
}
QRect markRect(int cell)
{
    return {BoardLayout::markAt(cell), GlyphSets::kMarkCell};
}

// True when every pixel of `area` on the board is the plain aqua.
bool isBlank(const QImage &board, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (board.pixelColor(x, y) != Colours::kAqua)
                return false;
    return true;
}

void clickButton(TPixigne *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
}

// A click that reaches the button only when an event loop dispatches it.
void postClick(TPixigne *button)
{
    const QPointF at(10, 10);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QCoreApplication::postEvent(
            button, new QMouseEvent(type, at, button->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier));
    }
}

} // namespace

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyButtonHasItsHintAfterThreeSeconds_data();
    void everyButtonHasItsHintAfterThreeSeconds();
    void buttonsStandOverTheBoard_data();
    void buttonsStandOverTheBoard();
    void clickIsJudgedOnTheNextTick_data();
    void clickIsJudgedOnTheNextTick();
    void styleButtonRestylesTheShownName();
    void suiteDrawsANewWord();
    void infoDialogsOpenAfreshFromTop_data();
    void infoDialogsOpenAfreshFromTop();
    void onlyTheQuitButtonSaves_data();
    void onlyTheQuitButtonSaves();
    void pauseKeepsEventsFlowingWithoutSpinning();
    void publisherButtonStartsTheProgramBesideThePictures();
    void clicksDuringTheFlashAreJudged_data();
    void clicksDuringTheFlashAreJudged();

private:
    std::unique_ptr<PictureFolder> m_folder;
    std::unique_ptr<TCadreGeneral> m_window;
};

void WindowTest::initTestCase()
{
    m_folder = std::make_unique<PictureFolder>();
    QVERIFY(QDir::setCurrent(m_folder->path()));
    // The window runs from the working folder like the real program; the
    // tests never enter the application's main loop.
    QApplication::setQuitOnLastWindowClosed(false);
}

void WindowTest::init()
{
    QFile::remove(kSettingsFile);
    m_window = std::make_unique<TCadreGeneral>(TestSets::make(), GameFolders{});
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void WindowTest::cleanup()
{
    m_window.reset();
}

void WindowTest::everyButtonHasItsHintAfterThreeSeconds_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("hint");

    QTest::newRow("rules") << "PixigneLogo" << QStringLiteral("A propos de Imagimot ?");
    QTest::newRow("help") << "PixigneAide" << QStringLiteral("L'aide");
    QTest::newRow("quit") << "PixigneQuitter" << QStringLiteral("Quitter");
    QTest::newRow("settings") << "PixigneOutils" << QStringLiteral("Les paramètres");
    QTest::newRow("publisher") << "PixigneVelune" << QStringLiteral("A propos de Velune système");
    QTest::newRow("next turn") << "PixigneOK" << QStringLiteral("Suite");
    QTest::newRow("letter style") << "PixigneAnnul" << QStringLiteral("Réponse");
}

// The hint is what a hovering child or a screen reader gets: the tool tip
// shown once the pointer has rested for the delay, and the accessible name.
void WindowTest::everyButtonHasItsHintAfterThreeSeconds()
{
    QFETCH(QString, button);
    QFETCH(QString, hint);
    QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 3000);
    auto *pixigne = m_window->findChild<TPixigne *>(button);
    QVERIFY(pixigne);
    // What Qt sends the button once the pointer has rested on it that long.
    const QPoint rest(5, 5);
    QHelpEvent help(QEvent::ToolTip, rest, pixigne->mapToGlobal(rest));
    QApplication::sendEvent(pixigne, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), hint);
    QToolTip::hideText();
    QCOMPARE(pixigne->accessibleName(), hint);
}

void WindowTest::buttonsStandOverTheBoard_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("expected");

    QTest::newRow("suite corner") << QPoint(300, 230) << "PixigneOK";
    QTest::newRow("style corner") << QPoint(10, 230) << "PixigneAnnul";
    QTest::newRow("board middle") << QPoint(165, 100) << "board";
    QTest::newRow("last board row") << QPoint(165, 254) << "board";
    QTest::newRow("bar start") << QPoint(0, 255) << "PixigneLogo";
    QTest::newRow("bar end") << QPoint(330, 290) << "PixigneVelune";
}

// The board is created after the buttons; left on top it would swallow
// the clicks meant for "Suite" and the style button.
void WindowTest::buttonsStandOverTheBoard()
{
    QFETCH(QPoint, at);
    QFETCH(QString, expected);
    QWidget *hit = m_window->childAt(at);
    QVERIFY(hit);
    QCOMPARE(hit->objectName(), expected);
}

void WindowTest::clickIsJudgedOnTheNextTick_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("onTarget");
    QTest::addColumn<int>("mark");

    QTest::newRow("left on the target") << Qt::LeftButton << true << 4;
    QTest::newRow("right on the target") << Qt::RightButton << true << 4;
    QTest::newRow("middle on a wrong picture") << Qt::MiddleButton << false << 0;
}

void WindowTest::clickIsJudgedOnTheNextTick()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, onTarget);
    QFETCH(int, mark);

    Game &game = m_window->game();
    game.settings().TypeExercice = 2; // mode 1 would mark the target at once
    m_window->Jeu_Suivant();
    const int target = game.turn().PositionBonne;
    const int cell = onTarget ? target : target % 4 + 1;
    QVERIFY(isBlank(game.board(), markRect(cell)));

    QTest::mouseClick(m_window->board(), button, {}, cellCentre(cell));
    QCOMPARE(int(game.turn().ImageCliquee), cell);
    QVERIFY(isBlank(game.board(), markRect(cell)));

    // However slow the machine, the next tick comes: only the wait is long.
    QTRY_VERIFY_WITH_TIMEOUT(game.turn().DejaClique[cell], 10000);
    QCOMPARE(int(game.turn().ImageCliquee), 0);
    QCOMPARE(TestSets::markAt(game.board(), markRect(cell).center()), mark);
    // What the child sees: the board control repainted with the mark.
    QTRY_COMPARE(
        m_window->board()->grab().toImage().convertToFormat(QImage::Format_RGB32).pixelColor(markRect(cell).center()),
        game.board().pixelColor(markRect(cell).center()));
}

// The cycle itself is the game's (board_test); here, that the button drives
// it and the child sees the name in the new style.
void WindowTest::styleButtonRestylesTheShownName()
{
    Game &game = m_window->game();
    QCOMPARE(int(game.settings().StyleCaracteres), 1);
    const QByteArray name = game.turn().NomAffiche;
    const QPoint firstLetter = BoardLayout::glyphAt(1, int(name.size())) + QPoint(5, 10);
    clickButton(m_window->PixigneAnnul);
    QCOMPARE(int(game.settings().StyleCaracteres), 2);
    const int glyph = glyphIndex(static_cast<unsigned char>(name.at(0)), 2);
    QTRY_COMPARE(TestSets::glyphAt(m_window->board()->grab().toImage(), firstLetter, 2), glyph);
}

void WindowTest::infoDialogsOpenAfreshFromTop_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("lines");
    QTest::newRow("rules") << "PixigneLogo" << 28;
    QTest::newRow("help") << "PixigneAide" << 29;
}

// Each press of the button opens its dialog afresh: a dialog kept between
// openings would come back scrolled to where the last reader left it.
void WindowTest::infoDialogsOpenAfreshFromTop()
{
    QFETCH(QString, button);
    QFETCH(int, lines);
    struct Seen
    {
        QString text;
        int lines = -1;
        int cursor = -1;
        int scroll = -1;
    };
    // Presses the button and, once its dialog is up, reads it and closes it,
    // read down to the end first when `readToEnd`, as a child moving the caret.
    const auto openAndRead = [&](bool readToEnd) {
        Seen seen;
        QTimer reader;
        reader.setInterval(10);
        connect(&reader, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            reader.stop();
            auto *memo = dialog->findChild<QPlainTextEdit *>();
            if (memo) {
                seen = {memo->toPlainText(), memo->blockCount(), memo->textCursor().position(),
                        memo->verticalScrollBar()->value()};
                if (readToEnd) {
                    memo->moveCursor(QTextCursor::End);
                    memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
                }
            }
            dialog->done(QDialog::Accepted);
        });
        reader.start();
        clickButton(m_window->findChild<TPixigne *>(button));
        return seen;
    };
    const Seen first = openAndRead(true);
    QCOMPARE(first.lines, lines);
    const Seen second = openAndRead(false);
    QCOMPARE(second.text, first.text);
    QCOMPARE(second.cursor, 0);
    QCOMPARE(second.scroll, 0);
}

void WindowTest::suiteDrawsANewWord()
{
    Game &game = m_window->game();
    const int before = game.turn().NumeroMot;
    const QImage pictures = game.board().copy(0, 70, 331, 64);
    clickButton(m_window->PixigneOK);
    QVERIFY(game.turn().NumeroMot != before);
    QVERIFY(game.board().copy(0, 70, 331, 64) != pictures);
}

void WindowTest::onlyTheQuitButtonSaves_data()
{
    QTest::addColumn<bool>("byQuitButton");
    QTest::newRow("quit button") << true;
    QTest::newRow("close box") << false;
}

void WindowTest::onlyTheQuitButtonSaves()
{
    QFETCH(bool, byQuitButton);
    if (byQuitButton)
        clickButton(m_window->PixigneQuitter);
    else
        m_window->close();
    QCOMPARE(QFile::exists(kSettingsFile), byQuitButton);
    if (byQuitButton)
        QCOMPARE(QFile(kSettingsFile).size(), 43);
}

// The streak flash waits with this pause: the board must keep repainting
// and the buttons working meanwhile, without a core spent on waiting. What
// the wait costs in CPU time is measured by bench/window/pause_bench.
void WindowTest::pauseKeepsEventsFlowingWithoutSpinning()
{
    bool dispatched = false;
    QTimer::singleShot(0, this, [&] { dispatched = true; });
    const int word = m_window->game().turn().NumeroMot;
    postClick(m_window->PixigneOK);
    // Each round of the event loop wakes the dispatcher once. Waiting for
    // events, a round comes per timer tick or posted event, a handful in
    // 300 ms however busy the machine; a loop that spins makes one every
    // few microseconds and never waits.
    int rounds = 0;
    int blocked = 0;
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    const auto awake = connect(dispatcher, &QAbstractEventDispatcher::awake, this, [&] { ++rounds; });
    const auto sleeping = connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [&] { ++blocked; });
    QElapsedTimer wall;
    wall.start();
    m_window->services().pause(300);
    const qint64 elapsed = wall.elapsed();
    disconnect(awake);
    disconnect(sleeping);
    QVERIFY(dispatched);
    QVERIFY2(m_window->game().turn().NumeroMot != word, "the click on Suite waited for the end of the pause");
    // A minimum: a busy machine only makes it longer.
    QVERIFY(elapsed >= 290);
    QVERIFY(blocked >= 1);
    QVERIFY2(rounds + blocked <= 60,
             qPrintable(QStringLiteral("%1 rounds of the event loop, %2 waits in 300 ms").arg(rounds).arg(blocked)));
}

// The working folder holds the pictures here, as in a run folder: the
// program of that folder is started, with the folder as its own.
void WindowTest::publisherButtonStartsTheProgramBesideThePictures()
{
#ifndef Q_OS_UNIX
    QSKIP("the stand-in program is a shell script");
#endif
    const QString program = QStringLiteral("velune.exe");
    const QString mark = QStringLiteral("started");
    const auto removeBoth = qScopeGuard([&] {
        QFile::remove(program);
        QFile::remove(mark);
    });
    {
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\npwd > started.tmp && mv started.tmp started\n");
        QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
    }
    clickButton(m_window->PixigneVelune);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(mark), 10000);
    QFile started(mark);
    QVERIFY(started.open(QIODevice::ReadOnly));
    QCOMPARE(QFileInfo(QString::fromLocal8Bit(started.readAll().trimmed())).canonicalFilePath(),
             QDir::current().canonicalPath());
}

void WindowTest::clicksDuringTheFlashAreJudged_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("clicks"); // on the board "Suite" brings: w a wrong picture, r the right one
    QTest::addColumn<int>("serieAfterSuite");
    QTest::addColumn<QList<int>>("marks"); // over each clicked cell
    QTest::addColumn<bool>("nestedFlash");

    QTest::newRow("mode 6, new turn left alone") << 6 << "" << 0 << QList<int>{} << false;
    QTest::newRow("mode 6, wrong then right") << 6 << "wr" << 0 << QList<int>{0, 3} << false;
    // 10 less the unanswered turn is 9; the click makes ten again.
    QTest::newRow("mode 5, ten again flashes inside") << 5 << "r" << 9 << QList<int>{4} << true;
    // The unanswered turn keeps 10; the click makes 11, which is not ten.
    QTest::newRow("mode 7, eleven does not flash") << 7 << "r" << 10 << QList<int>{4} << false;
}

// The streak flash of ten waits in nested event loops. "Suite" pressed
// meanwhile starts the next turn at once, and the clicks on that new board
// are judged by the ticks of the real timer during the remaining pauses.
// The child's hand runs on its own timer, one step each time the window has
// done what the last step asked, so the order never hangs on the clock.
void WindowTest::clicksDuringTheFlashAreJudged()
{
    QFETCH(int, mode);
    QFETCH(QString, clicks);
    QFETCH(int, serieAfterSuite);
    QFETCH(QList<int>, marks);
    QFETCH(bool, nestedFlash);

    Game &game = m_window->game();
    const TurnState &t = game.turn();
    game.settings().TypeExercice = std::uint8_t(mode);
    clickButton(m_window->PixigneOK);
    game.turn().Serie = 9;
    const int flashedWord = t.NumeroMot;
    // Nested loops only run while the flash pauses.
    const int outside = QThread::currentThread()->loopLevel();
    auto inFlash = [&](int depth) { return QThread::currentThread()->loopLevel() - outside >= depth; };

    int wordAfterSuite = -1;
    int serieSeenAfterSuite = -1;
    QList<int> clicked;
    bool sawNestedFlash = false;
    bool done = false;
    // The hand's timer fires outside every nested loop only once the flash
    // is over: what is still waiting then was not judged during it.
    bool flashEndedFirst = false;
    QTimer hand;
    hand.setInterval(5);
    connect(&hand, &QTimer::timeout, this, [&] {
        if (wordAfterSuite == -1) {
            if (t.Serie != 10 || !inFlash(1))
                return;
            clickButton(m_window->PixigneOK);
            wordAfterSuite = t.NumeroMot;
            serieSeenAfterSuite = t.Serie;
        }
        if (!inFlash(1)) {
            flashEndedFirst = true;
            hand.stop();
            return;
        }
        sawNestedFlash = sawNestedFlash || (t.Serie == 10 && inFlash(2));
        if (!clicked.isEmpty() && !t.DejaClique[clicked.last()])
            return;
        if (clicked.size() == clicks.size()) {
            done = true;
            hand.stop();
            return;
        }
        const int right = t.PositionBonne;
        clicked << (clicks.at(clicked.size()) == u'r' ? right : right % 4 + 1);
        QTest::mouseClick(m_window->board(), Qt::LeftButton, {}, cellCentre(clicked.last()));
    });
    hand.start();
    QTest::mouseClick(m_window->board(), Qt::LeftButton, {}, cellCentre(t.PositionBonne));
    // The test's own frame runs again only once the outer flash has ended.
    QTRY_VERIFY_WITH_TIMEOUT(done || flashEndedFirst, 30000);
    QVERIFY2(!flashEndedFirst, "the flash ended before the clicks made during it were judged");

    QVERIFY(wordAfterSuite != flashedWord);
    QCOMPARE(t.NumeroMot, wordAfterSuite);
    QCOMPARE(serieSeenAfterSuite, serieAfterSuite);
    QCOMPARE(sawNestedFlash, nestedFlash);
    for (int i = 0; i < clicked.size(); ++i)
        QCOMPARE(TestSets::markAt(game.board(), markRect(clicked.at(i)).center()), marks.at(i));
    QCOMPARE(int(t.NombreClics), clicks.size());
    QCOMPARE(int(t.Serie), 0);
    QVERIFY(t.ReponduCeTour);
    const QPoint trophy(mode == 5 ? 160 : 140, 230);
    QCOMPARE(TestSets::markAt(game.board(), trophy), 5);
    // What the child sees: the trophies repainted on the board control.
    QTRY_COMPARE(m_window->board()->grab().toImage().convertToFormat(QImage::Format_RGB32).pixelColor(trophy),
                 game.board().pixelColor(trophy));
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
