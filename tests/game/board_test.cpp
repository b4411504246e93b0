#include "boardlayout.h"
#include "boardprobe.h"
#include "cp1252.h"
#include "fakeservices.h"
#include "game.h"
#include "picturefolder.h"
#include "testsets.h"
#include "wordlist.h"

#include <QBuffer>
#include <QFile>
#include <QTest>

// The board as the child sees it: where pictures, names and marks land,
// and what a picture that cannot be read leaves behind.
class BoardTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void freshBoardIsAquaWithBlueFrame();
    void knownClockGivesKnownTargetAndBoard();
    void targetSitsInExactlyOneCellAmongDistinctOthers();
    void firstRunWithoutSettingsFileBeepsAndAvoidsEntry100_data();
    void firstRunWithoutSettingsFileBeepsAndAvoidsEntry100();
    void nameLine_data();
    void nameLine();
    void nameLineWipeCoversColumns10To321();
    void styleButtonCyclesAndRedrawsInPlace();
    void discoveryModeMarksTheTargetAtOnce();
    void unreadablePicture_data();
    void unreadablePicture();
    void largerPictureIsDrawnWhole();
    void cellsOfTheHitTest_data();
    void cellsOfTheHitTest();

private:
    void restorePictures();
    void replaceAllPictures(const QByteArray &bytes);

    PictureFolder *m_folder = nullptr;
    bool m_damaged = false;
    FakeServices m_services;
    GlyphSets m_sets = TestSets::make();
};

void BoardTest::initTestCase()
{
    m_folder = new PictureFolder;
}

void BoardTest::cleanupTestCase()
{
    delete m_folder;
}

void BoardTest::init()
{
    m_services = FakeServices{};
    if (m_damaged)
        restorePictures();
}

// For the tests that damage the pictures.
void BoardTest::restorePictures()
{
    delete m_folder;
    m_folder = new PictureFolder;
    m_damaged = false;
}

void BoardTest::replaceAllPictures(const QByteArray &bytes)
{
    m_damaged = true;
    for (int i = 1; i <= 607; ++i) {
        QFile f(m_folder->picturePath(WordList::key(i)));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
}

void BoardTest::freshBoardIsAquaWithBlueFrame()
{
    Game game(m_services, m_sets, {m_folder->path()});
    const QImage &b = game.board();
    QCOMPARE(b.size(), QSize(331, 255));
    for (QPoint p : {QPoint(0, 0), QPoint(330, 0), QPoint(0, 254), QPoint(330, 254), QPoint(165, 0), QPoint(0, 100)})
        QCOMPARE(b.pixelColor(p), QColor(0, 0, 255));
    for (QPoint p : {QPoint(1, 1), QPoint(329, 253), QPoint(165, 127)})
        QCOMPARE(b.pixelColor(p), QColor(0, 255, 255));
}

void BoardTest::knownClockGivesKnownTargetAndBoard()
{
    // Pinned: a change to the generator, the draw or the composition order
    // changes which words a given moment shows.
    m_services.clockMs = 36000000; // 10:00:00.000 UTC
    Game game(m_services, m_sets, {m_folder->path()});
    game.Init();
    QList<int> cells;
    for (int p = 1; p <= 4; ++p)
        cells << BoardProbe::pictureIn(game.board(), p);
    QCOMPARE(game.turn().NumeroMot, 495); // "la salade"
    QCOMPARE(int(game.turn().PositionBonne), 1);
    QCOMPARE(cells, (QList<int>{495, 477, 47, 439}));
}

void BoardTest::targetSitsInExactlyOneCellAmongDistinctOthers()
{
    Game game(m_services, m_sets, {m_folder->path()});
    game.Init();
    for (int turn = 0; turn < 300; ++turn) {
        m_services.clockMs += 7919;
        game.Jeu_Suivant();
        QList<int> cells;
        for (int p = 1; p <= 4; ++p)
            cells << BoardProbe::pictureIn(game.board(), p);
        QCOMPARE(cells.count(game.turn().NumeroMot), 1);
        QCOMPARE(cells.at(game.turn().PositionBonne - 1), game.turn().NumeroMot);
        for (int v : cells) {
            QVERIFY(v >= 1 && v <= 607);
            QCOMPARE(cells.count(v), 1);
        }
    }
    QVERIFY(m_services.errors.isEmpty());
}

void BoardTest::firstRunWithoutSettingsFileBeepsAndAvoidsEntry100_data()
{
    QTest::addColumn<int>("clockMs");
    // At these times of day the first candidate of the draw is entry 100
    // itself: without the start-up exclusion the first target would be 100.
    QTest::newRow("00:00:01.025") << 1025;
    QTest::newRow("12:00:00.280") << 43200280;
    QTest::newRow("20:02:03.886") << 72123886;
    QTest::newRow("a clock that draws another entry first") << 12 * 3600 * 1000;
}

void BoardTest::firstRunWithoutSettingsFileBeepsAndAvoidsEntry100()
{
    QFETCH(int, clockMs);
    FakeServices services;
    services.clockMs = clockMs;
    Game game(services, m_sets, {m_folder->path()});
    game.Init();
    QCOMPARE(services.beeps, 1);
    QVERIFY(game.turn().NumeroMot != 100);
    QCOMPARE(game.settings(), GameSettings{});
    QCOMPARE(int(game.turn().NombreClics), 1); // mode 1 judged the target at once
}

void BoardTest::nameLine_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("style");
    QTest::addColumn<QList<int>>("glyphs");
    QTest::addColumn<int>("firstX");
    QTest::newRow("le b") << cp1252("le b") << 1 << QList<int>{11, 4, 27, 1} << 142;
    QTest::newRow("l'âne joined") << cp1252("l'âne") << 1 << QList<int>{11, 28, 30, 13, 4} << 136;
    QTest::newRow("l'âne capitals") << cp1252("l'âne") << 3 << QList<int>{11, 28, 0, 13, 4} << 136;
    QTest::newRow("aiguille joined") << cp1252("l'aiguille à tricoter") << 1
                                     << QList<int>{11, 28, 0,  8,  6, 20, 8,  11, 11, 4, 27,
                                                   31, 27, 19, 17, 8, 2,  14, 19, 4,  17}
                                     << 40;
    QTest::newRow("aiguille capitals") << cp1252("l'aiguille à tricoter") << 3
                                       << QList<int>{11, 28, 0,  8,  6, 20, 8,  11, 11, 4, 27,
                                                     0,  27, 19, 17, 8, 2,  14, 19, 4,  17}
                                       << 40;
    QTest::newRow("hyphens print") << cp1252("l'arc-en-ciel") << 2
                                   << QList<int>{11, 28, 0, 17, 2, 29, 4, 13, 29, 2, 8, 4, 11} << 88;
    QTest::newRow("every accent print") << cp1252("âàéêèëîïôöûùüç") << 2
                                        << QList<int>{30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43} << 82;
    QTest::newRow("every accent capitals")
        << cp1252("âàéêèëîïôöûùüç") << 3 << QList<int>{0, 0, 4, 4, 4, 4, 8, 8, 14, 14, 20, 20, 20, 2} << 82;
    QTest::newRow("longest") << cp1252("le point d'interrogation") << 1
                             << QList<int>{11, 4,  27, 15, 14, 8,  13, 19, 27, 3, 28, 8,
                                           13, 19, 4,  17, 17, 14, 6,  0,  19, 8, 14, 13}
                             << 22;
}

void BoardTest::nameLine()
{
    QFETCH(QByteArray, name);
    QFETCH(int, style);
    QFETCH(QList<int>, glyphs);
    QFETCH(int, firstX);
    Game game(m_services, m_sets, {m_folder->path()});
    game.settings().StyleCaracteres = std::uint8_t(style);
    game.turn().NomAffiche = name;
    game.MiseAJourNom();
    const QImage &b = game.board();
    for (int i = 0; i < glyphs.size(); ++i) {
        const int x = firstX + 12 * i;
        QCOMPARE(TestSets::glyphAt(b, QPoint(x, 170), style), glyphs.at(i));
        QCOMPARE(TestSets::glyphAt(b, QPoint(x + 11, 198), style), glyphs.at(i));
    }
    // Nothing outside the name's cells, and the line is centred on x = 166.
    QCOMPARE(b.pixelColor(firstX - 1, 180), QColor(0, 255, 255));
    QCOMPARE(b.pixelColor(firstX + 12 * int(glyphs.size()), 180), QColor(0, 255, 255));
    QCOMPARE(firstX + 6 * int(glyphs.size()), 166);
    QCOMPARE(b.pixelColor(firstX, 169), QColor(0, 255, 255));
    QCOMPARE(b.pixelColor(firstX, 199), QColor(0, 255, 255));
}

void BoardTest::nameLineWipeCoversColumns10To321()
{
    Game game(m_services, m_sets, {m_folder->path()});
    game.Init();
    const QImage &b = game.board();
    const QColor blank = TestSets::glyphColour(1, 27);
    QCOMPARE(b.pixelColor(9, 180), QColor(0, 255, 255));
    QCOMPARE(b.pixelColor(10, 170), blank);
    QCOMPARE(b.pixelColor(321, 198), blank);
    QCOMPARE(b.pixelColor(322, 180), QColor(0, 255, 255));
}

void BoardTest::styleButtonCyclesAndRedrawsInPlace()
{
    Game game(m_services, m_sets, {m_folder->path()});
    game.Init();
    game.turn().NomAffiche = cp1252("l'âne");
    game.MiseAJourNom();
    const QImage before = game.board();
    // l, apostrophe, â, n, e: the â has its own glyph in the lower-case
    // styles and is a plain A in capitals.
    const QList<QPair<int, QList<int>>> cycle{
        {2, {11, 28, 30, 13, 4}}, {3, {11, 28, 0, 13, 4}}, {1, {11, 28, 30, 13, 4}}};
    for (const auto &[style, glyphs] : cycle) {
        game.Reponse();
        QCOMPARE(int(game.settings().StyleCaracteres), style);
        QList<int> shown;
        for (int i = 1; i <= 5; ++i)
            shown << TestSets::glyphAt(game.board(), BoardLayout::glyphAt(i, 5) + QPoint(5, 10), style);
        QCOMPARE(shown, glyphs);
    }
    QCOMPARE(game.board(), before);
}

void BoardTest::discoveryModeMarksTheTargetAtOnce()
{
    Game game(m_services, m_sets, {m_folder->path()});
    game.Init();
    const int right = game.turn().PositionBonne;
    for (int p = 1; p <= 4; ++p)
        QCOMPARE(BoardProbe::markOver(game.board(), p), p == right ? 4 : -1);
    // Later clicks change nothing.
    const QImage before = game.board();
    game.clickAt(BoardLayout::pictureCentre(right % 4 + 1));
    game.test_reponse();
    QCOMPARE(game.board(), before);
}

static QByteArray bmpBytes(QSize size)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PictureFolder::picture(1, size).save(&buffer, "BMP");
    return bytes;
}

static QByteArray hugeHeader()
{
    // A BMP header claiming 60000 x 60000 at 24 bits, with no pixel data.
    QByteArray h = bmpBytes(QSize(2, 2)).left(54);
    auto put32 = [&h](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            h[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    put32(18, 60000);
    put32(22, 60000);
    return h;
}

static QByteArray pngBytes()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    PictureFolder::picture(1).save(&buffer, "PNG");
    return bytes;
}

void BoardTest::unreadablePicture_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("missing");
    QTest::newRow("missing") << QByteArray() << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("truncated") << bmpBytes(QSize(64, 64)).left(100) << false;
    QTest::newRow("not a bitmap") << QByteArray("hello, this is text, not a picture") << false;
    QTest::newRow("png named bmp") << pngBytes() << false;
    QTest::newRow("header claims 60000 x 60000") << hugeHeader() << false;
}

void BoardTest::unreadablePicture()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, missing);
    Game game(m_services, m_sets, {m_folder->path()});
    game.settings().TypeExercice = 4;
    game.Init();
    game.clickAt(BoardLayout::pictureCentre(game.turn().PositionBonne));
    game.test_reponse();
    const QImage before = game.board();
    const int clicksBefore = game.turn().NombreClics;

    if (missing) {
        m_damaged = true;
        for (int i = 1; i <= 607; ++i)
            QFile::remove(m_folder->picturePath(WordList::key(i)));
    } else {
        replaceAllPictures(content);
    }
    game.Jeu_Suivant();

    QCOMPARE(m_services.errors.size(), 1);
    const QString expected =
        missing ? QStringLiteral("Ne peut ouvrir le fichier %1.").arg(m_folder->picturePath(game.turn().CleImage))
                : QStringLiteral("Image bitmap incorrecte.");
    QCOMPARE(m_services.errors.first(), expected);
    // The first cell failed: the pictures and the name of the last turn stay,
    // the click count is not reset; the marks were erased by "Suite".
    for (int p = 1; p <= 4; ++p)
        QCOMPARE(game.board().pixelColor(BoardLayout::pictureAt(p) + QPoint(10, 10)),
                 before.pixelColor(BoardLayout::pictureAt(p) + QPoint(10, 10)));
    for (int x = 10; x <= 321; x += 3)
        QCOMPARE(game.board().pixelColor(x, 180), before.pixelColor(x, 180));
    QCOMPARE(int(game.turn().NombreClics), clicksBefore);
    QVERIFY(game.turn().ReponduCeTour); // the skipped steps of "Suite" include its reset
}

void BoardTest::largerPictureIsDrawnWhole()
{
    Game game(m_services, m_sets, {m_folder->path()});
    game.Init();
    replaceAllPictures(bmpBytes(QSize(80, 80)));
    game.Jeu_Suivant();
    QVERIFY(m_services.errors.isEmpty());
    // Row 79 of the 80-pixel picture lies below the 64-pixel cell.
    QCOMPARE(game.board().pixelColor(20, 149), PictureFolder::colourOf(1));
}

void BoardTest::cellsOfTheHitTest_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<int>("cell");
    QTest::newRow("cell 1 top-left") << QPoint(16, 70) << 1;
    QTest::newRow("cell 1 bottom-right") << QPoint(79, 133) << 1;
    QTest::newRow("left of cell 1") << QPoint(15, 100) << 0;
    QTest::newRow("between pictures") << QPoint(85, 100) << 0;
    QTest::newRow("above pictures") << QPoint(100, 69) << 0;
    QTest::newRow("below pictures") << QPoint(100, 134) << 0;
    QTest::newRow("cell 2") << QPoint(94, 100) << 2;
    QTest::newRow("cell 3 right edge") << QPoint(235, 100) << 3;
    QTest::newRow("cell 4 right edge") << QPoint(313, 100) << 4;
    QTest::newRow("right of cell 4") << QPoint(314, 100) << 0;
}

void BoardTest::cellsOfTheHitTest()
{
    QFETCH(QPoint, pos);
    QFETCH(int, cell);
    QCOMPARE(BoardLayout::cellAt(pos), cell);
}

QTEST_MAIN(BoardTest)
#include "board_test.moc"
