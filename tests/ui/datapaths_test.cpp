#include "datapaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Which folders a run uses: the working folder when it holds the pictures,
// else the installed copy's pictures with the user's own settings folder;
// and the publisher's program, only ever the one beside those pictures.
// Both layouts of an installed copy are checked on every system.
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
    QTest::addColumn<int>("working");    // Pictures in the working folder; -1: started in the installed one
    QTest::addColumn<int>("installed");  // Pictures in <prefix>/share/lecture
    QTest::addColumn<QString>("prefix"); // below the temporary root
    QTest::addColumn<bool>("userData");
    QTest::addColumn<bool>("useInstalled");
    QTest::addColumn<QString>("publisher");   // the velune.exe started: "work", "installed" or none
    QTest::addColumn<int>("layout");          // DataPaths::Layout
    QTest::addColumn<QString>("uninstaller"); // beside the program, or none

    const int none = int(Pictures::None), folder = int(Pictures::Folder), file = int(Pictures::File);
    const int photos = int(Pictures::Photos);
    const int prefixLayout = int(DataPaths::Layout::Prefix);
    QTest::newRow("run folder") << folder << folder << "usr" << true << false << "work" << prefixLayout << QString();
    QTest::newRow("run folder without an installed copy")
        << folder << none << "usr" << true << false << "work" << prefixLayout << QString();
    QTest::newRow("installed copy") << none << folder << "usr" << true << true << "installed" << prefixLayout
                                    << QString();
    QTest::newRow("installed under another prefix")
        << none << folder << "opt/kids/lecture" << true << true << "installed" << prefixLayout << QString();
    // A file named images is not a pictures folder.
    QTest::newRow("images file in the working folder")
        << file << folder << "usr" << true << true << "installed" << prefixLayout << QString();
    QTest::newRow("home folder with its own images")
        << photos << folder << "usr" << true << true << "installed" << prefixLayout << QString();
    QTest::newRow("images file in the installed folder")
        << none << file << "usr" << true << false << QString() << prefixLayout << QString();
    QTest::newRow("no pictures anywhere")
        << none << none << "usr" << true << false << QString() << prefixLayout << QString();
    QTest::newRow("no user data folder") << none << folder << "usr" << false << false << QString() << prefixLayout
                                         << QString();
    // The Windows installer's folder: program, pictures and uninstaller together.
    const int installer = int(DataPaths::Layout::Installer);
    QTest::newRow("installer copy") << none << folder << "Lecture" << true << true << "installed" << installer
                                    << "uninstall.exe";
    // Its menu entry starts it in its own folder, which is no place for settings.
    QTest::newRow("installer copy started in its folder")
        << -1 << folder << "Lecture" << true << true << "installed" << installer << "uninstall.exe";
    QTest::newRow("unpacked copy started in its folder")
        << -1 << folder << "Lecture" << true << false << "work" << installer << QString();
    QTest::newRow("unpacked copy started elsewhere")
        << none << folder << "Lecture" << true << false << QString() << installer << QString();
    QTest::newRow("uninstaller is a folder")
        << none << folder << "Lecture" << true << false << QString() << installer << "uninstall.exe/";
    QTest::newRow("started in the installed prefix")
        << -1 << folder << "usr" << true << true << "installed" << prefixLayout << QString();
}

void DataPathsTest::choose()
{
    QFETCH(int, working);
    QFETCH(int, installed);
    QFETCH(QString, prefix);
    QFETCH(bool, userData);
    QFETCH(bool, useInstalled);
    QFETCH(QString, publisher);
    QFETCH(int, layout);
    QFETCH(QString, uninstaller);

    const auto chosenLayout = DataPaths::Layout(layout);
    const bool ownFolder = chosenLayout == DataPaths::Layout::Installer;
    QTemporaryDir root;
    const QString bin = root.filePath(prefix + (ownFolder ? QString() : QStringLiteral("/games")));
    const QString data = ownFolder ? bin : root.filePath(prefix + QStringLiteral("/share/lecture"));
    // working < 0: started in the installed data folder itself.
    const QString work = working < 0 ? data : root.filePath(QStringLiteral("home/child"));
    const QString user = userData ? root.filePath(QStringLiteral("home/child/.local/share/Lecture")) : QString();
    if (working >= 0)
        makePictures(work, Pictures(working));
    makePictures(bin, Pictures::None);
    makePictures(data, Pictures(installed));
    if (uninstaller.endsWith(u'/'))
        QVERIFY(QDir(bin).mkpath(uninstaller));
    else if (!uninstaller.isEmpty())
        QVERIFY(QFile(QDir(bin).filePath(uninstaller)).open(QIODevice::WriteOnly));
    // A program of that name in each candidate folder, the home one included.
    for (const QString &dir : {work, data}) {
        QFile program(QDir(dir).filePath(QStringLiteral("velune.exe")));
        QVERIFY(program.open(QIODevice::WriteOnly));
    }

    const GameFolders folders = DataPaths::choose(work, bin, user, chosenLayout);
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
