#include "datapaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Which folders a run uses: the working folder when it holds the pictures,
// else the installed copy's pictures with the user's own settings folder;
// and the publisher's program, only ever the one beside those pictures.
class DataPathsTest : public QObject
{
    Q_OBJECT
private slots:
    void choose_data();
    void choose();
};

namespace {

enum class Pictures { None, Folder, File, Photos };

void makePictures(const QString &dir, Pictures kind)
{
    QVERIFY(QDir().mkpath(dir));
    if (kind == Pictures::Folder || kind == Pictures::Photos) {
        QVERIFY(QDir(dir).mkdir(QStringLiteral("images")));
        QFile f(dir
                + (kind == Pictures::Folder ? QStringLiteral("/images/ZEBRE.bmp")
                                            : QStringLiteral("/images/vacances.bmp")));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    if (kind == Pictures::File) {
        QFile f(dir + QStringLiteral("/images"));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
}

} // namespace

void DataPathsTest::choose_data()
{
    QTest::addColumn<int>("working");    // Pictures in the working folder
    QTest::addColumn<int>("installed");  // Pictures in <prefix>/share/lecture
    QTest::addColumn<QString>("prefix"); // below the temporary root
    QTest::addColumn<bool>("userData");
    QTest::addColumn<bool>("useInstalled");
    QTest::addColumn<QString>("publisher"); // the velune.exe started: "work", "installed" or none

    const int none = int(Pictures::None), folder = int(Pictures::Folder), file = int(Pictures::File);
    const int photos = int(Pictures::Photos);
    QTest::newRow("run folder") << folder << folder << "usr" << true << false << "work";
    QTest::newRow("run folder without an installed copy") << folder << none << "usr" << true << false << "work";
    QTest::newRow("installed copy") << none << folder << "usr" << true << true << "installed";
    QTest::newRow("installed under another prefix")
        << none << folder << "opt/kids/lecture" << true << true << "installed";
    // A file named images is not a pictures folder.
    QTest::newRow("images file in the working folder") << file << folder << "usr" << true << true << "installed";
    QTest::newRow("home folder with its own images") << photos << folder << "usr" << true << true << "installed";
    QTest::newRow("images file in the installed folder") << none << file << "usr" << true << false << QString();
    QTest::newRow("no pictures anywhere") << none << none << "usr" << true << false << QString();
    QTest::newRow("no user data folder") << none << folder << "usr" << false << false << QString();
}

void DataPathsTest::choose()
{
    QFETCH(int, working);
    QFETCH(int, installed);
    QFETCH(QString, prefix);
    QFETCH(bool, userData);
    QFETCH(bool, useInstalled);
    QFETCH(QString, publisher);

    QTemporaryDir root;
    const QString work = root.filePath(QStringLiteral("home/child"));
    const QString bin = root.filePath(prefix + QStringLiteral("/games"));
    const QString data = root.filePath(prefix + QStringLiteral("/share/lecture"));
    const QString user = userData ? root.filePath(QStringLiteral("home/child/.local/share/Lecture")) : QString();
    makePictures(work, Pictures(working));
    makePictures(bin, Pictures::None);
    makePictures(data, Pictures(installed));
    // A program of that name in each candidate folder, the home one included.
    for (const QString &dir : {work, data}) {
        QFile program(QDir(dir).filePath(QStringLiteral("velune.exe")));
        QVERIFY(program.open(QIODevice::WriteOnly));
    }

    const DataPaths::Folders folders = DataPaths::choose(work, bin, user);
    if (useInstalled) {
        QCOMPARE(folders.workDir, data);
        QCOMPARE(folders.settingsDir, user);
    } else {
        // Empty: everything relative to the working directory, as ever.
        QVERIFY(folders.workDir.isEmpty());
        QVERIFY(folders.settingsDir.isEmpty());
    }
    const QString started = publisher.isEmpty()
                                ? QString()
                                : QDir(publisher == u"work" ? work : data).filePath(QStringLiteral("velune.exe"));
    QCOMPARE(DataPaths::publisherProgram(folders.workDir.isEmpty() ? work : folders.workDir), started);
}

QTEST_GUILESS_MAIN(DataPathsTest)
#include "datapaths_test.moc"
