#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

// Links, pipes, sockets, rights and a limit on written bytes are made with
// POSIX calls: those cases run where POSIX is.
#ifdef Q_OS_UNIX
#include "nonregularfiles.h"

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

// The stored record: its decoding of any bytes, its encoding, and what a
// save does to the file on disk when things go wrong.
class SettingsFileTest : public QObject
{
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
    void savedRecordLoadsBackEveryValue();
    void anyBytesDecodeWithinTheLimits();
    void load_data();
    void load();
    void saveReplacesTheWholeFile();
    void saveKeepsTheLinks_data();
    void saveKeepsTheLinks();
    void notARegularFileBeepsOnceEachWay_data();
    void notARegularFileBeepsOnceEachWay();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void fileInUseKeepsTheOldFile();
};

// One decoded state as text: style mode mini maxi accents traits numero
// marks(24) repondu A B C D.
static QString describe(const GameSettings &s, const TurnState &t)
{
    QString marks;
    for (bool m : t.Marques)
        marks += m ? QLatin1Char('1') : QLatin1Char('0');
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11 %12 %13")
        .arg(s.StyleCaracteres)
        .arg(s.TypeExercice)
        .arg(s.TailleMini)
        .arg(s.TailleMaxi)
        .arg(int(s.MotsAccentues))
        .arg(int(s.TraitsApparents))
        .arg(t.NumeroMot)
        .arg(marks)
        .arg(int(t.ReponduCeTour))
        .arg(t.ReserveA)
        .arg(t.ReserveB)
        .arg(t.ReserveC)
        .arg(t.ReserveD);
}

static const QString kZeros24(24, QLatin1Char('0'));
static const QString kOnes24(24, QLatin1Char('1'));
static const QString kDefaults = QStringLiteral("1 1 1 24 1 1 100 ") + kZeros24 + QStringLiteral(" 0 0 0 0 0");

void SettingsFileTest::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("state");
    const QByteArray full = "1101241112300000000000000000000000000000000"; // 43 bytes
    QTest::newRow("empty keeps defaults") << QByteArray() << kDefaults;
    QTest::newRow("single 2 repeats") << QByteArray(
        "2") << QStringLiteral("2 2 12 22 0 0 222 ") + kZeros24 + QStringLiteral(" 0 22 22 22 2");
    QTest::newRow("eight bytes then last repeats")
        << QByteArray("31050811") << QStringLiteral("3 1 5 8 1 1 111 ") + kOnes24 + QStringLiteral(" 1 11 11 11 1");
    QTest::newRow("the 43 bytes of a save")
        << full << QStringLiteral("1 1 1 24 1 1 123 ") + kZeros24 + QStringLiteral(" 0 0 0 0 0");
    QTest::newRow("bytes after 42 ignored")
        << full + "999999" << QStringLiteral("1 1 1 24 1 1 123 ") + kZeros24 + QStringLiteral(" 0 0 0 0 0");
    QTest::newRow("style 0 and mode 7") << QByteArray(
        "07012411100") << QStringLiteral("1 7 1 24 1 1 100 ") + kZeros24 + QStringLiteral(" 0 0 0 0 0");
    QTest::newRow("style 4 and mode 8") << QByteArray(
        "48012411100") << QStringLiteral("1 1 1 24 1 1 100 ") + kZeros24 + QStringLiteral(" 0 0 0 0 0");
    QTest::newRow("blank style, mode 0") << QByteArray(
        " 0012411100") << QStringLiteral("1 1 1 24 1 1 100 ") + kZeros24 + QStringLiteral(" 0 0 0 0 0");
    QTest::newRow("sizes 00 and 25") << QByteArray("11002511100")
                                     << QStringLiteral("1 1 1 24 1 1 100 ") + kZeros24 + QStringLiteral(" 0 0 0 0 0");
    QTest::newRow("mini 13 becomes 12") << QByteArray(
        "11132411100") << QStringLiteral("1 1 12 24 1 1 100 ") + kZeros24 + QStringLiteral(" 0 0 0 0 0");
    QTest::newRow("maxi 00 becomes 1") << QByteArray("11010011100")
                                       << QStringLiteral("1 1 1 1 1 1 100 ") + kZeros24 + QStringLiteral(" 0 0 0 0 0");
    QTest::newRow("mini above maxi resets mini")
        << QByteArray("11100511100") << QStringLiteral("1 1 1 5 1 1 100 ") + kZeros24 + QStringLiteral(" 0 0 0 0 0");
    QTest::newRow("12 and 12 stay") << QByteArray("11121211100")
                                    << QStringLiteral("1 1 12 12 1 1 100 ") + kZeros24 + QStringLiteral(" 0 0 0 0 0");
    QTest::newRow("size bytes wrap modulo 256")
        << QByteArray("1101J511100") << QStringLiteral("1 1 1 9 1 1 100 ") + kZeros24 + QStringLiteral(" 0 0 0 0 0");
    QTest::newRow("negative size byte wraps then limits")
        << QByteArray("11 024111000") << QStringLiteral("1 1 12 24 1 1 100 ") + kZeros24 + QStringLiteral(" 0 0 0 0 0");
    QTest::newRow("booleans other than 1 are false")
        << QByteArray("110124T2100") << QStringLiteral("1 1 1 24 0 0 100 ") + kZeros24 + QStringLiteral(" 0 0 0 0 0");
    QTest::newRow("numero from blanks is negative")
        << QByteArray("11012411  0") << QStringLiteral("1 1 1 24 1 1 -1760 ") + kZeros24 + QStringLiteral(" 0 0 0 0 0");
    QTest::newRow("0xFF bytes") << QByteArray(
        43, '\xFF') << QStringLiteral("1 1 12 24 0 0 22977 ") + kZeros24 + QStringLiteral(" 0 2277 2277 2277 207");
}

void SettingsFileTest::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, state);
    GameSettings s;
    TurnState t;
    SettingsFile::decode(bytes, s, t);
    QCOMPARE(describe(s, t), state);
}

void SettingsFileTest::encode_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<int>("reserveA");
    QTest::addColumn<int>("reserveC");
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<int>("reserveCAfter");
    const QByteArray marks(24, '0');
    QTest::newRow("defaults with 123") << 123 << 0 << 0 << QByteArray("110124111230") + marks.left(23) + "0000000" + "0"
                                       << 0;
    QTest::newRow("reserve C above 99 is limited") << 5 << 7 << 150
                                                   << QByteArray("11012411005") + marks
                                                          + "0"
                                                            "07"
                                                            "00"
                                                            "99"
                                                            "0"
                                                   << 99;
    QTest::newRow("reserve A 150 keeps two chars") << 5 << 150 << 3
                                                   << QByteArray("11012411005") + marks
                                                          + "0"
                                                            "15"
                                                            "00"
                                                            "03"
                                                            "0"
                                                   << 3;
    QTest::newRow("negative numero") << -1760 << -5 << -3
                                     << QByteArray("11012411-17") + marks
                                            + "0"
                                              "-5"
                                              "00"
                                              "-3"
                                              "0"
                                     << -3;
}

void SettingsFileTest::encode()
{
    QFETCH(int, numero);
    QFETCH(int, reserveA);
    QFETCH(int, reserveC);
    QFETCH(QByteArray, record);
    QFETCH(int, reserveCAfter);
    GameSettings s;
    TurnState t;
    t.NumeroMot = numero;
    t.ReserveA = reserveA;
    t.ReserveC = reserveC;
    const QByteArray out = SettingsFile::encode(s, t);
    QCOMPARE(out.size(), 43);
    QCOMPARE(out, record);
    QCOMPARE(t.ReserveC, reserveCAfter);
}

// Every stored value comes back, through the record and, every tenth round,
// through a real save and load of the file.
void SettingsFileTest::savedRecordLoadsBackEveryValue()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFile::kFileName);
    QRandomGenerator rng(7);
    for (int round = 0; round < 500; ++round) {
        GameSettings s;
        s.StyleCaracteres = std::uint8_t(rng.bounded(1, 4));
        s.TypeExercice = std::uint8_t(rng.bounded(1, 8));
        s.TailleMaxi = std::uint8_t(rng.bounded(1, 25));
        s.TailleMini = std::uint8_t(rng.bounded(1, std::min(12, int(s.TailleMaxi)) + 1));
        s.MotsAccentues = rng.bounded(2);
        s.TraitsApparents = rng.bounded(2);
        TurnState t;
        t.NumeroMot = rng.bounded(0, 1000);
        for (bool &m : t.Marques)
            m = rng.bounded(2);
        t.ReponduCeTour = rng.bounded(2);
        t.ReserveA = rng.bounded(100);
        t.ReserveB = rng.bounded(100);
        t.ReserveC = rng.bounded(100);
        t.ReserveD = rng.bounded(10);
        GameSettings s2;
        TurnState t2;
        SettingsFile::decode(SettingsFile::encode(s, t), s2, t2);
        QCOMPARE(describe(s2, t2), describe(s, t));
        if (round % 10 == 0) {
            int beeps = 0;
            SettingsFile::SauveParametres(path, s, t, [&] { ++beeps; });
            GameSettings s3;
            TurnState t3;
            SettingsFile::ChargeParametres(path, s3, t3, [&] { ++beeps; });
            QCOMPARE(beeps, 0);
            QCOMPARE(describe(s3, t3), describe(s, t));
        }
    }
}

void SettingsFileTest::anyBytesDecodeWithinTheLimits()
{
    QRandomGenerator rng(11);
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes(rng.bounded(61), Qt::Uninitialized);
        for (char &c : bytes)
            c = char(rng.bounded(256));
        GameSettings s;
        TurnState t;
        SettingsFile::decode(bytes, s, t);
        QVERIFY(s.StyleCaracteres >= 1 && s.StyleCaracteres <= 3);
        QVERIFY(s.TypeExercice >= 1 && s.TypeExercice <= 7);
        QVERIFY(s.TailleMini >= 1 && s.TailleMini <= 12);
        QVERIFY(s.TailleMaxi >= 1 && s.TailleMaxi <= 24);
        QVERIFY(s.TailleMini <= s.TailleMaxi);
    }
}

void SettingsFileTest::load_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<int>("style");
    QTest::newRow("no file beeps") << false << QByteArray() << 1 << 1;
    QTest::newRow("empty file, no beep") << true << QByteArray() << 0 << 1;
    QTest::newRow("one byte") << true << QByteArray("3") << 0 << 3;
    QTest::newRow("longer than 43") << true << QByteArray(100, '2') << 0 << 2;
}

void SettingsFileTest::load()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, bytes);
    QFETCH(int, beeps);
    QFETCH(int, style);
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFile::kFileName);
    if (exists) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    GameSettings s;
    TurnState t;
    int beeped = 0;
    SettingsFile::ChargeParametres(path, s, t, [&] { ++beeped; });
    QCOMPARE(beeped, beeps);
    QCOMPARE(int(s.StyleCaracteres), style);
}

static QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void SettingsFileTest::saveReplacesTheWholeFile()
{
#ifndef Q_OS_UNIX
    QSKIP("made with POSIX calls");
#else
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFile::kFileName);
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(80, '9'));
    }
    // Rights no new file would get by default: the replacement keeps them.
    const auto rights = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther;
    QVERIFY(QFile::setPermissions(path, rights));
    GameSettings s;
    TurnState t;
    t.NumeroMot = 123;
    int beeps = 0;
    SettingsFile::SauveParametres(path, s, t, [&] { ++beeps; });
    QCOMPARE(beeps, 0);
    QCOMPARE(contents(path), QByteArray("1101241112300000000000000000000000000000000"));
    QCOMPARE(QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser), rights);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{SettingsFile::kFileName});
#endif
}

void SettingsFileTest::saveKeepsTheLinks_data()
{
#ifndef Q_OS_UNIX
    QSKIP("made with POSIX calls");
#else
    QTest::addColumn<QStringList>("links"); // link, target, link, target...
    QTest::addColumn<QString>("file");      // at the end of the chain; empty for a loop
    const QString settings = SettingsFile::kFileName;
    const QString elsewhere = QStringLiteral("elsewhere.dat");
    const QString middle = QStringLiteral("middle.dat");
    const QString other = QStringLiteral("other.dat");
    QTest::newRow("a link") << QStringList{settings, elsewhere} << elsewhere;
    QTest::newRow("a chain of two links") << QStringList{settings, middle, middle, elsewhere} << elsewhere;
    // Such a file cannot be opened: one beep each way, and nothing changes.
    QTest::newRow("a loop of two links") << QStringList{settings, other, other, settings} << QString();
#endif
}

// A settings file kept elsewhere through links stays linked: the save
// replaces the file at the end of the chain.
void SettingsFileTest::saveKeepsTheLinks()
{
#ifndef Q_OS_UNIX
    QSKIP("made with POSIX calls");
#else
    QFETCH(QStringList, links);
    QFETCH(QString, file);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (!file.isEmpty()) {
        QFile f(dir.filePath(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("3212");
    }
    for (qsizetype i = 0; i < links.size(); i += 2)
        QVERIFY(QFile::link(dir.filePath(links[i + 1]), dir.filePath(links[i])));
    const auto everything = QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden;
    const QStringList entries = QDir(dir.path()).entryList(everything);
    const QString path = dir.filePath(SettingsFile::kFileName);
    GameSettings s;
    TurnState t;
    int beeps = 0;
    SettingsFile::ChargeParametres(path, s, t, [&] { ++beeps; });
    QCOMPARE(beeps, file.isEmpty() ? 1 : 0);
    QCOMPARE(int(s.StyleCaracteres), file.isEmpty() ? 1 : 3);
    t.NumeroMot = 123;
    SettingsFile::SauveParametres(path, s, t, [&] { ++beeps; });
    QCOMPARE(beeps, file.isEmpty() ? 2 : 0);
    for (qsizetype i = 0; i < links.size(); i += 2)
        QCOMPARE(QFileInfo(dir.filePath(links[i])).symLinkTarget(), dir.filePath(links[i + 1]));
    QCOMPARE(QDir(dir.path()).entryList(everything), entries);
    if (!file.isEmpty())
        QCOMPARE(contents(dir.filePath(file)), QByteArray("32122200123") + QByteArray(25, '0') + "2222222");
#endif
}

#ifdef Q_OS_UNIX
using NonRegularFiles::Kind;
using NonRegularFiles::typeOf;
#endif

void SettingsFileTest::notARegularFileBeepsOnceEachWay_data()
{
#ifndef Q_OS_UNIX
    QSKIP("made with POSIX calls");
#else
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<char>("type");
    QTest::addColumn<QStringList>("entries");
    const QStringList settingsOnly{SettingsFile::kFileName};
    QTest::newRow("folder") << Kind::Folder << 'd' << settingsOnly;
    QTest::newRow("named pipe") << Kind::Fifo << 'p' << settingsOnly;
    QTest::newRow("socket") << Kind::Socket << 's' << settingsOnly;
    QTest::newRow("link to a named pipe")
        << Kind::LinkToFifo << 'p' << QStringList{QStringLiteral("fifo"), SettingsFile::kFileName};
#endif
}

// A pipe used to block the load for ever in open(); the save then replaced
// it with a regular file. Both now treat it as a file they cannot use.
void SettingsFileTest::notARegularFileBeepsOnceEachWay()
{
#ifndef Q_OS_UNIX
    QSKIP("made with POSIX calls");
#else
    QFETCH(Kind, kind);
    QFETCH(char, type);
    QFETCH(QStringList, entries);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(SettingsFile::kFileName);
    QVERIFY(NonRegularFiles::make(path, kind));
    QCOMPARE(typeOf(path), type);
    GameSettings s;
    TurnState t;
    int beeps = 0;
    SettingsFile::ChargeParametres(path, s, t, [&] { ++beeps; });
    QCOMPARE(beeps, 1);
    QCOMPARE(describe(s, t), kDefaults);
    SettingsFile::SauveParametres(path, s, t, [&] { ++beeps; });
    QCOMPARE(beeps, 2);
    QCOMPARE(typeOf(path), type);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden),
             entries);
#endif
}

#ifdef Q_OS_UNIX
// Lowers this process's limit on the size of the files it writes.
static bool limitFileSize(qint64 limit)
{
    struct rlimit rl = {};
    if (::getrlimit(RLIMIT_FSIZE, &rl) != 0)
        return false;
    rl.rlim_cur = rlim_t(limit);
    return ::setrlimit(RLIMIT_FSIZE, &rl) == 0;
}

// Runs the save in a child process whose writes to files stop at `limit`
// bytes (-1: no limit), with SIGXFSZ ignored as on a spent quota, so that
// write() really fails. Returns the child's beeps, or -1 if it did not end.
static int saveInChild(const QString &path, qint64 limit)
{
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        if (limit >= 0 && !limitFileSize(limit))
            ::_exit(100);
        GameSettings s;
        TurnState t;
        t.NumeroMot = 123;
        int beeps = 0;
        SettingsFile::SauveParametres(path, s, t, [&] { ++beeps; });
        ::_exit(beeps);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

void SettingsFileTest::failedWriteKeepsTheOldFile_data()
{
#ifndef Q_OS_UNIX
    QSKIP("made with POSIX calls");
#else
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("oldFile");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("no room at all") << qint64(0) << true << 1 << false;
    QTest::newRow("room for 20 bytes") << qint64(20) << true << 1 << false;
    QTest::newRow("one byte short") << qint64(42) << true << 1 << false;
    QTest::newRow("no room, no old file") << qint64(0) << false << 1 << false;
    QTest::newRow("room for exactly 43") << qint64(43) << true << 0 << true;
    QTest::newRow("no limit") << qint64(-1) << true << 0 << true;
    QTest::newRow("no limit, no old file") << qint64(-1) << false << 0 << true;
#endif
}

void SettingsFileTest::failedWriteKeepsTheOldFile()
{
#ifndef Q_OS_UNIX
    QSKIP("made with POSIX calls");
#else
    QFETCH(qint64, limit);
    QFETCH(bool, oldFile);
    QFETCH(int, beeps);
    QFETCH(bool, replaced);
    const QByteArray old = QByteArray("36121000999") + QByteArray(24, '1')
                           + "1123456"
                             "7";
    QCOMPARE(old.size(), 43);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(SettingsFile::kFileName);
    if (oldFile) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(old), old.size());
    }
    QCOMPARE(saveInChild(path, limit), beeps);
    const QByteArray saved = "1101241112300000000000000000000000000000000";
    if (replaced || oldFile)
        QCOMPARE(contents(path), replaced ? saved : old);
    // Nothing half-written is left beside the settings.
    const QStringList expected = replaced || oldFile ? QStringList{SettingsFile::kFileName} : QStringList{};
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden),
             expected);
#endif
}

// On Windows a program holding the settings file open (a backup, a virus
// scanner) keeps it from being replaced: the save fails as a whole, beeps,
// and leaves the old file whole with nothing beside it.
void SettingsFileTest::fileInUseKeepsTheOldFile()
{
#ifndef Q_OS_WIN
    QSKIP("only Windows keeps an open file from being replaced");
#else
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(SettingsFile::kFileName);
    const QByteArray old("3612100099911111111111111111111111111234567");
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(old), old.size());
    }
    QFile holder(path);
    QVERIFY(holder.open(QIODevice::ReadOnly));
    GameSettings s;
    TurnState t;
    int beeps = 0;
    SettingsFile::SauveParametres(path, s, t, [&] { ++beeps; });
    holder.close();
    QCOMPARE(beeps, 1);
    QCOMPARE(contents(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{SettingsFile::kFileName});
#endif
}

QTEST_APPLESS_MAIN(SettingsFileTest)
#include "settingsfile_test.moc"
