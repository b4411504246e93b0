#include "classsettings.h"
#include "datapaths.h"
#include "fakeservices.h"
#include "game.h"
#include "picturefolder.h"
#include "testfiles.h"
#include "testsets.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A new user of an installed copy starts from the class default that the
// administrator placed in a system configuration folder; the quit button
// still writes the user's own file, and the class default stays as it was.
class ClassDefaultTest : public QObject
{
    Q_OBJECT
private slots:
    void startFrom_data();
    void startFrom();
};

using ClassSettings::kClass;
using ClassSettings::kOwn;

void ClassDefaultTest::startFrom_data()
{
    QTest::addColumn<QByteArray>("own"); // empty: no file yet
    QTest::addColumn<int>("placed");     // 0 nothing, 1 a file, 2 a folder
    QTest::addColumn<QByteArray>("classFile");
    QTest::addColumn<QString>("settings"); // style mode min max
    QTest::addColumn<int>("beeps");

    QTest::newRow("no class default: built-in defaults, one beep")
        << QByteArray() << 0 << QByteArray() << "1 1 1 24" << 1;
    QTest::newRow("class default") << QByteArray() << 1 << kClass << "2 2 3 6" << 0;
    // Decoded like any settings file: bad bytes give the defaults, the
    // sizes their limits ("99" gives 12; "ab" wraps to 28, then 24).
    QTest::newRow("damaged class default") << QByteArray() << 1 << QByteArray("9x99abc") << "1 1 12 24" << 0;
    QTest::newRow("empty class default changes nothing") << QByteArray() << 1 << QByteArray() << "1 1 1 24" << 0;
    QTest::newRow("own file wins") << kOwn << 1 << kClass << "3 6 1 24" << 0;
    QTest::newRow("a folder is no class default") << QByteArray() << 2 << QByteArray() << "1 1 1 24" << 1;
}

void ClassDefaultTest::startFrom()
{
    QFETCH(QByteArray, own);
    QFETCH(int, placed);
    QFETCH(QByteArray, classFile);
    QFETCH(QString, settings);
    QFETCH(int, beeps);

    QTemporaryDir root;
    const QString user = root.filePath(QStringLiteral("home/.local/share/Lecture"));
    QVERIFY(QDir().mkpath(user));
    const QString ownFile = user + QStringLiteral("/imolectu.dat");
    // The first system folder has no lecture/ of its own: the lookup goes on.
    const QStringList systemDirs = {root.filePath(QStringLiteral("usr/etc/xdg")),
                                    root.filePath(QStringLiteral("etc/xdg"))};
    const QString classPath = systemDirs.at(1) + QStringLiteral("/lecture/imolectu.dat");
    if (!own.isEmpty())
        QVERIFY(TestFiles::write(ownFile, own));
    if (placed == 1)
        QVERIFY(TestFiles::write(classPath, classFile));
    if (placed == 2)
        QVERIFY(QDir().mkpath(classPath));

    const QString start = DataPaths::settingsToLoad(ownFile, systemDirs);
    QCOMPARE(start, placed == 1 && own.isEmpty() ? classPath : ownFile);
    PictureFolder pictures;
    FakeServices services;
    const GlyphSets sets = TestSets::make();
    Game game(services, sets, {pictures.path(), user, start == ownFile ? QString() : start});
    game.Init();
    QCOMPARE(ClassSettings::text(game.settings()), settings);
    QCOMPARE(services.beeps, beeps);

    // The quit button writes the user's own file, never the class default.
    game.QuitterCejeu();
    const QByteArray saved = TestFiles::read(ownFile);
    QCOMPARE(saved.size(), 43);
    const QStringList v = settings.split(QLatin1Char(' '));
    QCOMPARE(QString::fromLatin1(saved.left(6)),
             v[0] + v[1] + v[2].rightJustified(2, QLatin1Char('0')) + v[3].rightJustified(2, QLatin1Char('0')));
    QCOMPARE(services.beeps, beeps);
    if (placed == 1)
        QCOMPARE(TestFiles::read(classPath), classFile);
}

QTEST_MAIN(ClassDefaultTest)
#include "classdefault_test.moc"
