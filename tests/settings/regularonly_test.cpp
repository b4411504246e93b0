#include "nonregularfiles.h"
#include "regularonly.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Files from outside are opened only when they are regular files: a named
// pipe in their place used to block the game in open() for ever. A save
// tells beforehand the paths it must leave alone.
class RegularOnlyTest : public QObject
{
    Q_OBJECT

private slots:
    void opensOnlyRegularFilesWithoutBlocking_data();
    void opensOnlyRegularFilesWithoutBlocking();
};

namespace {

enum class Kind { Regular, Empty, Missing, Folder, Fifo, Socket, CharDevice, LinkToFifo, DanglingLink, LinkLoop };

QString make(const QTemporaryDir &dir, Kind kind)
{
    QString path = dir.filePath(QStringLiteral("target"));
    switch (kind) {
    case Kind::Regular: {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write("112401");
        break;
    }
    case Kind::Empty: QFile(path).open(QIODevice::WriteOnly); break;
    case Kind::Missing: break;
    case Kind::CharDevice: return QStringLiteral("/dev/zero");
    case Kind::Folder: NonRegularFiles::make(path, NonRegularFiles::Kind::Folder); break;
    case Kind::Fifo: NonRegularFiles::make(path, NonRegularFiles::Kind::Fifo); break;
    case Kind::Socket: NonRegularFiles::make(path, NonRegularFiles::Kind::Socket); break;
    case Kind::LinkToFifo: NonRegularFiles::make(path, NonRegularFiles::Kind::LinkToFifo); break;
    case Kind::DanglingLink: NonRegularFiles::make(path, NonRegularFiles::Kind::DanglingLink); break;
    case Kind::LinkLoop: NonRegularFiles::make(path, NonRegularFiles::Kind::LinkLoop); break;
    }
    return path;
}

} // namespace

void RegularOnlyTest::opensOnlyRegularFilesWithoutBlocking_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("cannotHold");

    QTest::newRow("regular file") << Kind::Regular << true << QByteArray("112401") << false;
    QTest::newRow("empty regular file") << Kind::Empty << true << QByteArray() << false;
    QTest::newRow("missing") << Kind::Missing << false << QByteArray() << false;
    QTest::newRow("folder") << Kind::Folder << false << QByteArray() << true;
    QTest::newRow("named pipe without writer") << Kind::Fifo << false << QByteArray() << true;
    QTest::newRow("socket") << Kind::Socket << false << QByteArray() << true;
    QTest::newRow("character device") << Kind::CharDevice << false << QByteArray() << true;
    QTest::newRow("link to a named pipe") << Kind::LinkToFifo << false << QByteArray() << true;
    QTest::newRow("dangling link") << Kind::DanglingLink << false << QByteArray() << false;
    QTest::newRow("loop of links") << Kind::LinkLoop << false << QByteArray() << true;
}

void RegularOnlyTest::opensOnlyRegularFilesWithoutBlocking()
{
    QFETCH(Kind, kind);
    QFETCH(bool, opens);
    QFETCH(QByteArray, contents);
    QFETCH(bool, cannotHold);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = make(dir, kind);

    // A blocking open on the pipe would hang here and time the test out.
    QFile file;
    QCOMPARE(RegularOnly::openForReading(file, path), opens);
    QCOMPARE(file.isOpen(), opens);
    if (opens) {
        QCOMPARE(file.readAll(), contents);
    }
    QCOMPARE(RegularOnly::cannotHoldFile(path), cannotHold);
}

QTEST_GUILESS_MAIN(RegularOnlyTest)
#include "regularonly_test.moc"
