#include "boardprobe.h"
#include "fakeservices.h"
#include "game.h"
#include "messageboxcloser.h"
#include "picturefolder.h"
#include "pictureloader.h"
#include "tcadregeneral.h"
#include "testfiles.h"
#include "testsets.h"
#include "tpixigne.h"
#include "wordlist.h"
#include "writelock.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <optional>

#include <sys/stat.h>

// What the game promises when the world around it breaks: settings that
// cannot be written, picture folders that are missing or lose a file
// between two turns, picture files whose header lies.
class FaultsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void unwritableSettingsKeepTheirContents_data();
    void unwritableSettingsKeepTheirContents();
    void quitButtonEndsTheProgramAfterAFailedSave_data();
    void quitButtonEndsTheProgramAfterAFailedSave();
    void windowOpensWithoutItsPictures_data();
    void windowOpensWithoutItsPictures();
    void pictureLostBetweenTwoTurns_data();
    void pictureLostBetweenTwoTurns();
    void lyingPictureHeaders_data();
    void lyingPictureHeaders();

private:
    std::unique_ptr<PictureFolder> m_pictures;
};

namespace {

const QByteArray kCapitalsRecord = "3401241112300000000000000000000000000000000";

// A working folder whose images/ links to every shared picture, so that a
// test may delete or damage some without touching the others.
bool linkPictures(const QString &workDir, const PictureFolder &pictures)
{
    QDir(workDir).mkdir(QStringLiteral("images"));
    for (int i = WordList::kFirstDrawable; i <= WordList::kLastDrawable; ++i) {
        const QString name = QStringLiteral("images/%1.bmp").arg(QString::fromLatin1(WordList::key(i)));
        if (!QFile::link(pictures.picturePath(WordList::key(i)), QDir(workDir).filePath(name)))
            return false;
    }
    return true;
}

QList<int> cells(const QImage &board)
{
    QList<int> out;
    for (int p = 1; p <= 4; ++p)
        out << BoardProbe::pictureIn(board, p);
    return out;
}

} // namespace

void FaultsTest::initTestCase()
{
    m_pictures = std::make_unique<PictureFolder>();
    // The window runs without entering the main loop, except for the quit tests.
    QApplication::setQuitOnLastWindowClosed(false);
}

void FaultsTest::unwritableSettingsKeepTheirContents_data()
{
    QTest::addColumn<QString>("lock");
    QTest::newRow("read-only folder") << "folder";
    QTest::newRow("unwritable file") << "file";
    // Without the owner's write bit: left alone even by a user, such as
    // root, whom the system would let replace it.
    QTest::newRow("file marked read-only") << "mark";
}

// The quit button's save beeps once and leaves the old file whole, with no
// half-written copy beside it.
void FaultsTest::unwritableSettingsKeepTheirContents()
{
    QFETCH(QString, lock);
    QTemporaryDir settingsDir;
    const QString path = settingsDir.filePath(QStringLiteral("imolectu.dat"));
    QVERIFY(TestFiles::write(path, kCapitalsRecord));
    FakeServices services;
    const GlyphSets sets = TestSets::make();
    Game game(services, sets, {m_pictures->path(), settingsDir.path()});
    game.Init();
    QCOMPARE(services.beeps, 0);
    QCOMPARE(int(game.settings().StyleCaracteres), 3);
    game.Reponse(); // something new to save

    std::optional<WriteLock> writeLock;
    if (lock == QLatin1String("mark")) {
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser));
    } else {
        writeLock.emplace(lock == QLatin1String("folder") ? settingsDir.path() : path);
        if (!writeLock->locked())
            QSKIP(qPrintable(writeLock->failure));
    }
    game.QuitterCejeu();
    QCOMPARE(services.beeps, 1);
    QCOMPARE(TestFiles::read(path), kCapitalsRecord);
    QCOMPARE(QDir(settingsDir.path()).entryList(QDir::Files), QStringList{QStringLiteral("imolectu.dat")});
}

void FaultsTest::quitButtonEndsTheProgramAfterAFailedSave_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("settings file is a folder") << "folder";
    QTest::newRow("read-only folder") << "lockFolder";
    QTest::newRow("unwritable file") << "lockFile";
}

void FaultsTest::quitButtonEndsTheProgramAfterAFailedSave()
{
    QFETCH(QString, fault);
    QTemporaryDir settingsDir;
    const QString path = settingsDir.filePath(QStringLiteral("imolectu.dat"));
    if (fault == QLatin1String("folder"))
        QVERIFY(QDir(settingsDir.path()).mkdir(QStringLiteral("imolectu.dat")));
    else
        QVERIFY(TestFiles::write(path, kCapitalsRecord));
    TCadreGeneral window(TestSets::make(), {m_pictures->path(), settingsDir.path()});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.Reponse();

    std::unique_ptr<WriteLock> lock;
    if (fault != QLatin1String("folder")) {
        lock = std::make_unique<WriteLock>(fault == QLatin1String("lockFolder") ? settingsDir.path() : path);
        if (!lock->locked())
            QSKIP(qPrintable(lock->failure));
    }
    QTimer::singleShot(0, &window,
                       [&window] { QTest::mouseClick(window.PixigneQuitter, Qt::LeftButton, {}, QPoint(10, 10)); });
    // Should the program not end, the loop is left with another code.
    QTimer::singleShot(5000, &window, [] { QCoreApplication::exit(2); });
    QCOMPARE(QApplication::exec(), 0);
    if (fault == QLatin1String("folder"))
        QVERIFY(QFileInfo(path).isDir());
    else
        QCOMPARE(TestFiles::read(path), kCapitalsRecord);
}

void FaultsTest::windowOpensWithoutItsPictures_data()
{
    QTest::addColumn<bool>("emptyFolder");
    QTest::newRow("no images folder") << false;
    QTest::newRow("empty images folder") << true;
}

// The first turn stops at its first picture with the message; the window
// still opens and ticks, and "Suite" works once the pictures are back.
void FaultsTest::windowOpensWithoutItsPictures()
{
    QFETCH(bool, emptyFolder);
    QTemporaryDir workDir;
    if (emptyFolder)
        QVERIFY(QDir(workDir.path()).mkdir(QStringLiteral("images")));
    MessageBoxCloser closer;
    TCadreGeneral window(TestSets::make(), {workDir.path(), workDir.path()});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.Timer1->isActive());
    QCOMPARE(closer.seen.size(), 1);
    const QString firstPicture = PictureFolder::pathIn(workDir.path(), window.game().turn().CleImage);
    QCOMPARE(closer.seen.first(), QStringLiteral("Lecture|Ne peut ouvrir le fichier %1.").arg(firstPicture));
    QCOMPARE(closer.icons.first(), QMessageBox::Critical);
    QCOMPARE(cells(window.game().board()), (QList<int>{-1, -1, -1, -1}));

    QVERIFY(linkPictures(workDir.path(), *m_pictures));
    QTest::mouseClick(window.PixigneOK, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(closer.seen.size(), 1);
    const QList<int> shown = cells(window.game().board());
    QCOMPARE(shown.at(window.game().turn().PositionBonne - 1), window.game().turn().NumeroMot);
}

void FaultsTest::pictureLostBetweenTwoTurns_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("lostCell"); // 0: the target's cell
    QTest::addColumn<QString>("fault");
    QTest::newRow("first cell deleted") << 3 << 1 << "deleted";
    QTest::newRow("target's cell deleted") << 4 << 0 << "deleted";
    QTest::newRow("last cell deleted, discovery mode") << 1 << 4 << "deleted";
    QTest::newRow("third cell damaged") << 6 << 3 << "damaged";
    QTest::newRow("second cell a folder") << 5 << 2 << "folder";
    QTest::newRow("fourth cell a named pipe") << 2 << 4 << "pipe";
}

// A twin game on intact pictures, on the same clock, shows which pictures
// the next turn reads; the one of `lostCell` is then taken away.
void FaultsTest::pictureLostBetweenTwoTurns()
{
    QFETCH(int, mode);
    QFETCH(int, lostCell);
    QFETCH(QString, fault);
    const bool damaged = fault == QLatin1String("damaged");
    QTemporaryDir workDir;
    QVERIFY(linkPictures(workDir.path(), *m_pictures));
    const GlyphSets sets = TestSets::make();
    FakeServices services;
    FakeServices twinServices;
    Game game(services, sets, {workDir.path()});
    Game twin(twinServices, sets, {m_pictures->path(), workDir.path()});
    for (Game *g : {&game, &twin}) {
        g->Init();
        g->settings().TypeExercice = std::uint8_t(mode);
    }
    const QImage before = game.board();
    services.clockMs = twinServices.clockMs = services.clockMs + 4321;
    twin.Jeu_Suivant();
    const QList<int> next = cells(twin.board());
    const int cell = lostCell ? lostCell : twin.turn().PositionBonne;
    const QString lost = PictureFolder::pathIn(workDir.path(), WordList::key(next.at(cell - 1)));
    QVERIFY(QFile::remove(lost));
    if (damaged)
        QVERIFY(TestFiles::write(lost, "BM this was a picture"));
    else if (fault == QLatin1String("folder"))
        QVERIFY(QDir().mkdir(lost));
    else if (fault == QLatin1String("pipe")) // with no writer: opening it would wait for ever
        QCOMPARE(::mkfifo(QFile::encodeName(lost).constData(), 0600), 0);

    game.Jeu_Suivant();
    QCOMPARE(services.errors, QStringList{damaged ? QStringLiteral("Image bitmap incorrecte.")
                                                  : QStringLiteral("Ne peut ouvrir le fichier %1.").arg(lost)});
    // The turn's target stands; cells up to the lost one show the new turn,
    // the others and the name line the old one, and nothing is marked.
    QCOMPARE(game.turn().NumeroMot, twin.turn().NumeroMot);
    QCOMPARE(game.turn().PositionBonne, twin.turn().PositionBonne);
    const QList<int> shown = cells(game.board());
    for (int p = 1; p <= 4; ++p)
        QCOMPARE(shown.at(p - 1), p < cell ? next.at(p - 1) : BoardProbe::pictureIn(before, p));
    QCOMPARE(game.board().copy(0, 170, 331, 29), before.copy(0, 170, 331, 29));
    for (int p = 1; p <= 4; ++p)
        QCOMPARE(BoardProbe::markOver(game.board(), p), -1);

    // The file back, the next "Suite" draws a whole turn.
    if (damaged || fault == QLatin1String("pipe"))
        QVERIFY(QFile::remove(lost));
    else if (fault == QLatin1String("folder"))
        QVERIFY(QDir().rmdir(lost));
    QVERIFY(QFile::link(m_pictures->picturePath(WordList::key(next.at(cell - 1))), lost));
    services.clockMs += 999;
    game.Jeu_Suivant();
    QCOMPARE(services.errors.size(), 1);
    const QList<int> after = cells(game.board());
    QCOMPARE(after.at(game.turn().PositionBonne - 1), game.turn().NumeroMot);
    QCOMPARE(int(game.turn().NombreClics), mode == 1 ? 1 : 0);
}

void FaultsTest::lyingPictureHeaders_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readable");
    auto header = [](quint32 dibSize, qint32 width, qint32 height, quint16 bits) {
        QByteArray h(54, '\0');
        auto put = [&h](int at, quint32 v, int n) {
            for (int i = 0; i < n; ++i)
                h[at + i] = char((v >> (8 * i)) & 0xFF);
        };
        h[0] = 'B';
        h[1] = 'M';
        put(10, 54, 4);
        put(14, dibSize, 4);
        put(18, quint32(width), 4);
        put(22, quint32(height), 4);
        put(26, 1, 2);
        put(28, bits, 2);
        return h;
    };
    // Width times bits times height once overflowed in the check of the
    // announced data length (found by fuzzing).
    QTest::newRow("sizes whose product overflows")
        << QByteArray::fromBase64("Qk1+AAAAXQAAAAAaAAAADAAAAAYABQABABi/AF+7AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
                                  "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA"
                                  "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAABfvwDfAMCAAIAAAIAAAAA=")
        << false;
    QTest::newRow("largest sizes and depth") << header(40, 0x7FFFFFFF, qint32(0x80000000), 0xFFFF) << false;
    QTest::newRow("negative width") << header(40, -64, 64, 24) + QByteArray(qsizetype(64) * 64 * 3, '\x10') << false;
    QTest::newRow("depth 0") << header(40, 8, 8, 0) + QByteArray(256, '\x10') << false;
    QTest::newRow("plain 8 x 8, 24 bits") << header(40, 8, 8, 24) + QByteArray(qsizetype(8) * 8 * 3, '\x10') << true;
}

void FaultsTest::lyingPictureHeaders()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readable);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.bmp"));
    QVERIFY(TestFiles::write(path, bytes));
    const PictureLoader::Result result = PictureLoader::load(path);
    QCOMPARE(!result.image.isNull(), readable);
    QCOMPARE(result.error, readable ? QString() : QStringLiteral("Image bitmap incorrecte."));
}

QTEST_MAIN(FaultsTest)
#include "faults_test.moc"
