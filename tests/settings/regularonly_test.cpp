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

// The path of `kind` made in `dir`, or an empty string if it could not be made.
QString make(const QTemporaryDir &dir, Kind kind)
{
    QString path = dir.filePath(QStringLiteral("target"));
    const auto made = [&path](NonRegularFiles::Kind k) { return NonRegularFiles::make(path, k) ? path : QString(); };
    switch (kind) {
    case Kind::Regular: {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write("112401") == 6 ? path : QString();
    }
    case Kind::Empty: return QFile(path).open(QIODevice::WriteOnly) ? path : QString();
    case Kind::Missing: return path;
    case Kind::CharDevice: return QStringLiteral("/dev/zero");
    case Kind::Folder: return made(NonRegularFiles::Kind::Folder);
    case Kind::Fifo: return made(NonRegularFiles::Kind::Fifo);
    case Kind::Socket: return made(NonRegularFiles::Kind::Socket);
    case Kind::LinkToFifo: return made(NonRegularFiles::Kind::LinkToFifo);
    case Kind::DanglingLink: return made(NonRegularFiles::Kind::DanglingLink);
    case Kind::LinkLoop: return made(NonRegularFiles::Kind::LinkLoop);
    }
    return {};
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
    QVERIFY(!path.isEmpty());

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
