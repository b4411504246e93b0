#include "fakeservices.h"
#include "game.h"
#include "picturefolder.h"
#include "testfiles.h"
#include "testsets.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The pictures folder and the settings folder given apart: an installed
// copy reads shared pictures but keeps each user's settings file elsewhere.
class FoldersTest : public QObject
{
    Q_OBJECT
private slots:
    void settingsFileFolder_data();
    void settingsFileFolder();
};

// Style 3 (capitals) beside the pictures, style 2 (print) in the user's folder.
static const QByteArray kCapitals = "3101241112300000000000000000000000000000000";
static const QByteArray kPrint = "2101241112300000000000000000000000000000000";

void FoldersTest::settingsFileFolder_data()
{
    QTest::addColumn<bool>("ownFolder");
    QTest::addColumn<QByteArray>("ownFile"); // empty: no file there yet
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("beeps");

    // A folder given alone keeps its old meaning: settings beside images/.
    QTest::newRow("settings beside the pictures") << false << kPrint << 3 << 0;
    QTest::newRow("settings in their own folder") << true << kPrint << 2 << 0;
    // A first run of a new user must not pick up the file beside the pictures.
    QTest::newRow("own folder without a file yet") << true << QByteArray() << 1 << 1;
}

void FoldersTest::settingsFileFolder()
{
    QFETCH(bool, ownFolder);
    QFETCH(QByteArray, ownFile);
    QFETCH(int, style);
    QFETCH(int, beeps);

    PictureFolder pictures;
    QTemporaryDir own;
    const QString besidePictures = pictures.path() + QStringLiteral("/imolectu.dat");
    const QString inOwn = own.filePath(QStringLiteral("imolectu.dat"));
    QVERIFY(TestFiles::write(besidePictures, kCapitals));
    if (!ownFile.isEmpty())
        QVERIFY(TestFiles::write(inOwn, ownFile));

    FakeServices services;
    const GlyphSets sets = TestSets::make();
    Game game(services, sets, {pictures.path(), ownFolder ? own.path() : QString()});
    game.Init();
    QVERIFY(services.errors.isEmpty()); // the pictures were found
    QCOMPARE(int(game.settings().StyleCaracteres), style);
    QCOMPARE(services.beeps, beeps);

    game.Reponse(); // next style, so that the save differs from both files
    game.QuitterCejeu();
    const QString saved = ownFolder ? inOwn : besidePictures;
    QCOMPARE(TestFiles::read(saved).left(1), QByteArray::number(style % 3 + 1));
    if (ownFolder)
        QCOMPARE(TestFiles::read(besidePictures), kCapitals);
    else
        QCOMPARE(TestFiles::read(inOwn), ownFile);
}

QTEST_MAIN(FoldersTest)
#include "folders_test.moc"
