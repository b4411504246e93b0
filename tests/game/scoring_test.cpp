#include "boardprobe.h"
#include "fakeservices.h"
#include "game.h"
#include "picturefolder.h"
#include "testsets.h"

#include <QTest>

// Marks, streaks and penalties of every exercise mode, played through the
// board as the child plays: click, tick, look at the board.
class ScoringTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { m_folder = new PictureFolder; }
    void cleanupTestCase() { delete m_folder; }
    void init();
    void cleanup();

    void marksOfOneTurn_data();
    void marksOfOneTurn();
    void streakAfterOneTurn_data();
    void streakAfterOneTurn();
    void unansweredTurnPenalty_data();
    void unansweredTurnPenalty();
    void streakOfTenFlashesFiveTimes_data();
    void streakOfTenFlashesFiveTimes();
    void duringTheFlash_data();
    void duringTheFlash();
    void sameCellTwiceIsJudgedOnce();
    void onlyTheLastClickBeforeATickIsJudged();
    void pressOutsideThePicturesKeepsAWaitingClick();
    void confirmedSettingsStartAFreshTurn();
    void cancelledSettingsChangeNothing();

private:
    Game *newGame(int mode);
    void click(int cell);
    int wrongCell() const;
    int tokens() const;

    PictureFolder *m_folder = nullptr;
    FakeServices m_services;
    GlyphSets m_sets = TestSets::make();
    Game *m_game = nullptr;
};

void ScoringTest::init()
{
    m_services = FakeServices{};
}

void ScoringTest::cleanup()
{
    delete m_game;
    m_game = nullptr;
}

Game *ScoringTest::newGame(int mode)
{
    m_game = new Game(m_services, m_sets, {m_folder->path()});
    m_game->Init();
    m_game->settings().TypeExercice = std::uint8_t(mode);
    m_game->turn().ParamValide = true;
    m_game->param(); // a fresh turn in the chosen mode
    return m_game;
}

void ScoringTest::click(int cell)
{
    m_game->clickAt(BoardLayout::pictureCentre(cell));
    m_game->test_reponse();
}

int ScoringTest::wrongCell() const
{
    return m_game->turn().PositionBonne % 4 + 1;
}

// Streak tokens shown: mark 4 cells in the streak row at x = 28h + 11.
int ScoringTest::tokens() const
{
    return BoardProbe::tokens(m_game->board());
}

void ScoringTest::marksOfOneTurn_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("clicks");   // W wrong (a new wrong cell each time), R right
    QTest::addColumn<QList<int>>("marks"); // mark over each clicked cell, -1 none
    QTest::newRow("mode 2 right") << 2 << "R" << QList<int>{4};
    QTest::newRow("mode 3 wrong then right") << 3 << "WR" << QList<int>{0, 4};
    QTest::newRow("mode 4 first click") << 4 << "R" << QList<int>{4};
    QTest::newRow("mode 4 second click, then ignored") << 4 << "WRW" << QList<int>{0, 3, -1};
    QTest::newRow("mode 4 third click") << 4 << "WWR" << QList<int>{0, 0, 2};
    QTest::newRow("mode 4 fourth click") << 4 << "WWWR" << QList<int>{0, 0, 0, 1};
    QTest::newRow("mode 5 fourth click") << 5 << "WWWR" << QList<int>{0, 0, 0, 1};
    QTest::newRow("mode 6 second click") << 6 << "WR" << QList<int>{0, 3};
    QTest::newRow("mode 7 first click") << 7 << "R" << QList<int>{4};
}

void ScoringTest::marksOfOneTurn()
{
    QFETCH(int, mode);
    QFETCH(QString, clicks);
    QFETCH(QList<int>, marks);
    newGame(mode);
    const int right = m_game->turn().PositionBonne;
    int wrong = right;
    QList<int> cells;
    for (QChar c : clicks) {
        int cell = right;
        if (c == QLatin1Char('W')) {
            wrong = wrong % 4 + 1;
            cell = wrong;
        }
        click(cell);
        cells << cell;
    }
    for (int i = 0; i < cells.size(); ++i) {
        if (marks.at(i) >= 0)
            QCOMPARE(BoardProbe::markOver(m_game->board(), cells.at(i)), marks.at(i));
    }
    QVERIFY(m_game->turn().ReponduCeTour);
}

void ScoringTest::streakAfterOneTurn_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("streak");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<int>("after");
    QTest::newRow("mode 4 keeps no streak") << 4 << 0 << "R" << 0;
    QTest::newRow("mode 5 right first") << 5 << 3 << "R" << 4;
    QTest::newRow("mode 5 wrong then right costs two") << 5 << 3 << "WR" << 1;
    QTest::newRow("mode 5 never below zero") << 5 << 0 << "W" << 0;
    QTest::newRow("mode 6 right first") << 6 << 4 << "R" << 5;
    QTest::newRow("mode 6 wrong resets") << 6 << 4 << "W" << 0;
    QTest::newRow("mode 7 wrong resets") << 7 << 5 << "W" << 0;
}

void ScoringTest::streakAfterOneTurn()
{
    QFETCH(int, mode);
    QFETCH(int, streak);
    QFETCH(QString, clicks);
    QFETCH(int, after);
    newGame(mode);
    // Build the streak by playing, so that the row shows it too.
    for (int i = 0; i < streak; ++i) {
        click(m_game->turn().PositionBonne);
        m_game->Jeu_Suivant();
    }
    QCOMPARE(int(m_game->turn().Serie), mode > 4 ? streak : 0);
    for (QChar c : clicks)
        click(c == QLatin1Char('R') ? m_game->turn().PositionBonne : wrongCell());
    QCOMPARE(int(m_game->turn().Serie), after);
    QCOMPARE(tokens(), mode > 4 ? after : 0);
}

void ScoringTest::unansweredTurnPenalty_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("shown");
    QTest::newRow("mode 5 loses one, row not redrawn") << 5 << 6 << 7;
    QTest::newRow("mode 6 resets and erases") << 6 << 0 << 0;
    QTest::newRow("mode 7 keeps the streak") << 7 << 7 << 7;
}

void ScoringTest::unansweredTurnPenalty()
{
    QFETCH(int, mode);
    QFETCH(int, after);
    QFETCH(int, shown);
    newGame(mode);
    for (int i = 0; i < 7; ++i) {
        click(m_game->turn().PositionBonne);
        m_game->Jeu_Suivant();
    }
    QCOMPARE(tokens(), 7);
    m_game->Jeu_Suivant(); // left without a click
    QCOMPARE(int(m_game->turn().Serie), after);
    QCOMPARE(tokens(), shown);
    QVERIFY(!m_game->turn().ReponduCeTour);
}

void ScoringTest::streakOfTenFlashesFiveTimes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("trophyX");
    QTest::newRow("mode 5 one trophy") << 5 << QList<int>{151};
    QTest::newRow("mode 6 two trophies") << 6 << QList<int>{132, 172};
    QTest::newRow("mode 7 two trophies") << 7 << QList<int>{132, 172};
}

void ScoringTest::streakOfTenFlashesFiveTimes()
{
    QFETCH(int, mode);
    QFETCH(QList<int>, trophyX);
    newGame(mode);
    for (int i = 0; i < 9; ++i) {
        click(m_game->turn().PositionBonne);
        m_game->Jeu_Suivant();
    }
    QCOMPARE(int(m_game->turn().Serie), 9);
    QList<bool> trophyShownAtPause;
    m_services.duringPause = [&](int) {
        trophyShownAtPause << (TestSets::markAt(m_game->board(), QPoint(trophyX.first() + 16, 236)) == 5);
    };
    click(m_game->turn().PositionBonne);
    QCOMPARE(m_services.pauses, 10);
    QCOMPARE(m_services.pausedMs, 3000);
    // Off, on, off, on... five times.
    QCOMPARE(trophyShownAtPause, (QList<bool>{false, true, false, true, false, true, false, true, false, true}));
    QCOMPARE(int(m_game->turn().Serie), 0);
    for (int x : trophyX)
        QCOMPARE(TestSets::markAt(m_game->board(), QPoint(x + 16, 236)), 5);
    if (trophyX.size() == 1)
        QCOMPARE(TestSets::markAt(m_game->board(), QPoint(132 + 2, 236)), -1);
    // The trophies stay until the next judged click erases the row.
    m_game->Jeu_Suivant();
    click(m_game->turn().PositionBonne);
    QCOMPARE(tokens(), 1);
}

void ScoringTest::duringTheFlash_data()
{
    QTest::addColumn<QString>("steps"); // in the flash's first pause: S "Suite", T a tick, W a wrong click
    QTest::addColumn<int>("clicks");    // clicks counted on the board shown after the flash
    QTest::addColumn<int>("wrongMark"); // the mark over that wrong cell

    QTest::newRow("a tick: the click of ten is not judged twice") << "T" << 1 << -1;
    QTest::newRow("Suite, then a tick: the click made before Suite is not judged on the new board") << "S T" << 0 << -1;
    QTest::newRow("Suite, a wrong click, a tick: judged on the new board") << "S W T" << 1 << 0;
}

// The flash's pauses let events through: "Suite" and the timer's ticks run
// inside it, one after the other, as the real window delivers them.
void ScoringTest::duringTheFlash()
{
    QFETCH(QString, steps);
    QFETCH(int, wrongMark);
    newGame(6);
    for (int i = 0; i < 9; ++i) {
        click(m_game->turn().PositionBonne);
        m_game->Jeu_Suivant();
    }
    int wrong = 0;
    m_services.duringPause = [&](int pause) {
        if (pause != 1)
            return;
        for (const QString &step : steps.split(QLatin1Char(' '))) {
            if (step == QLatin1String("S"))
                m_game->Jeu_Suivant();
            else if (step == QLatin1String("W"))
                m_game->clickAt(BoardLayout::pictureCentre(wrong = wrongCell()));
            else
                m_game->test_reponse();
        }
    };
    click(m_game->turn().PositionBonne);
    QCOMPARE(m_services.pauses, 10);

    QTEST(int(m_game->turn().NombreClics), "clicks");
    // On the new board only a click made on it may show: the click of ten
    // belonged to the old one.
    for (int cell = 1; steps.contains(u'S') && cell <= 4; ++cell)
        QCOMPARE(BoardProbe::markOver(m_game->board(), cell), cell == wrong ? wrongMark : -1);
}

void ScoringTest::sameCellTwiceIsJudgedOnce()
{
    newGame(4);
    const int wrong = wrongCell();
    click(wrong);
    click(wrong);
    QCOMPARE(int(m_game->turn().NombreClics), 1);
    click(m_game->turn().PositionBonne);
    QCOMPARE(BoardProbe::markOver(m_game->board(), m_game->turn().PositionBonne), 3);
}

void ScoringTest::onlyTheLastClickBeforeATickIsJudged()
{
    newGame(4);
    m_game->clickAt(BoardLayout::pictureCentre(wrongCell()));
    m_game->clickAt(BoardLayout::pictureCentre(m_game->turn().PositionBonne));
    m_game->test_reponse();
    QCOMPARE(int(m_game->turn().NombreClics), 1);
    QCOMPARE(BoardProbe::markOver(m_game->board(), m_game->turn().PositionBonne), 4);
    QCOMPARE(BoardProbe::markOver(m_game->board(), wrongCell()), -1);
}

void ScoringTest::pressOutsideThePicturesKeepsAWaitingClick()
{
    newGame(3);
    m_game->clickAt(BoardLayout::pictureCentre(m_game->turn().PositionBonne));
    m_game->clickAt(QPoint(85, 100)); // between pictures
    m_game->clickAt(QPoint(100, 69)); // above them
    QCOMPARE(int(m_game->turn().ImageCliquee), int(m_game->turn().PositionBonne));
    m_game->test_reponse();
    QCOMPARE(int(m_game->turn().ImageCliquee), 0);
    QCOMPARE(BoardProbe::markOver(m_game->board(), m_game->turn().PositionBonne), 4);
}

void ScoringTest::confirmedSettingsStartAFreshTurn()
{
    newGame(6);
    for (int i = 0; i < 3; ++i) {
        click(m_game->turn().PositionBonne);
        m_game->Jeu_Suivant();
    }
    click(m_game->turn().PositionBonne); // target found: the turn is closed
    const int before = m_game->turn().NumeroMot;
    m_game->turn().ParamValide = true;
    m_game->param();
    QVERIFY(m_game->turn().NumeroMot != before);
    QCOMPARE(int(m_game->turn().Serie), 0);
    QCOMPARE(tokens(), 0);
    for (int p = 1; p <= 4; ++p)
        QCOMPARE(BoardProbe::markOver(m_game->board(), p), -1);
    click(m_game->turn().PositionBonne); // judged normally in the new turn
    QCOMPARE(int(m_game->turn().Serie), 1);
}

void ScoringTest::cancelledSettingsChangeNothing()
{
    newGame(5);
    click(m_game->turn().PositionBonne);
    const QImage board = m_game->board();
    const int numero = m_game->turn().NumeroMot;
    m_game->turn().ParamValide = false;
    m_game->param();
    QCOMPARE(m_game->board(), board);
    QCOMPARE(m_game->turn().NumeroMot, numero);
    QCOMPARE(int(m_game->turn().Serie), 1);
}

QTEST_MAIN(ScoringTest)
#include "scoring_test.moc"
