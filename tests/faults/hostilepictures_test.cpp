#include "bmpbytes.h"
#include "boardlayout.h"
#include "fakeservices.h"
#include "game.h"
#include "testsets.h"
#include "wordlist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Damaged or forged picture files in images/: each turn either draws the
// picture with only colours the file gives (black for indices its table
// lacks) or stops with the message. Run under the sanitizers and valgrind,
// where reading past a colour table or unset pixels shows as a fault.
class HostilePicturesTest : public QObject
{
    Q_OBJECT
private slots:
    void hostilePictures_data();
    void hostilePictures();
};

namespace {

const QRgb R = qRgb(200, 0, 0);
const QRgb G = qRgb(0, 200, 0);
const QRgb B = qRgb(0, 0, 200);
const QRgb K = qRgb(0, 0, 0);

const QString kInvalid = QStringLiteral("Image bitmap incorrecte.");

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// A 4 x 2 picture; its pixels are stored bottom row first.
BmpBytes indexed(quint16 bits, const QList<QRgb> &table, const QByteArray &pixels, quint32 compression = 0)
{
    BmpBytes b;
    b.bits = bits;
    b.compression = compression;
    b.coloursUsed = quint32(table.size());
    b.table = table;
    b.pixels = pixels;
    return b;
}

// A working folder whose every picture key links to one file.
bool linkEveryKey(const QString &workDir, const QString &target)
{
    QDir(workDir).mkdir(QStringLiteral("images"));
    for (int i = WordList::kFirstDrawable; i <= WordList::kLastDrawable; ++i) {
        const QString name = QStringLiteral("images/%1.bmp").arg(QString::fromLatin1(WordList::key(i)));
        if (!QFile::link(target, QDir(workDir).filePath(name)))
            return false;
    }
    return true;
}

QList<QRgb> pixelsAt(const QImage &board, QPoint at, QSize size)
{
    QList<QRgb> out;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            out << (board.pixel(at + QPoint(x, y)) | 0xFF000000);
    return out;
}

} // namespace

void HostilePicturesTest::hostilePictures_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QList<QRgb>>("shown"); // 4 x 2, top row first

    QTest::newRow("fuzzer finding: run-length data offset past the end")
        << QByteArray::fromBase64("Qk1YBAAAAAAAADYEAAAoAAAACAAAAAgAAAABAAgAAQAAACKfqqoKAAAAAAAAAAgAAAAAAAAAAQQAAAAA"
                                  "AAA2BAAAKAAAAAgAAAAIAAAAAQAIAAEAAAAin6qqCgAAAAAAAAAAAQAAoLAEAEBgAAAAAAAIAAA=")
        << kInvalid << QList<QRgb>{};
    QTest::newRow("8 bits, indices past a 2-entry table")
        << indexed(8, {R, G}, bytes({0, 1, 2, 255, 1, 0, 200, 3})).bytes() << QString()
        << QList<QRgb>{G, R, K, K, R, G, K, K};
    QTest::newRow("4 bits, indices past a 3-entry table")
        << indexed(4, {R, G, B}, bytes({0x01, 0x2F, 0, 0, 0xF3, 0x10, 0, 0})).bytes() << QString()
        << QList<QRgb>{K, K, G, R, R, G, B, K};
    QTest::newRow("1 bit, a 1-entry table") << indexed(1, {G}, bytes({0xA0, 0, 0, 0, 0x50, 0, 0, 0})).bytes()
                                            << QString() << QList<QRgb>{G, K, G, K, K, G, K, G};
    // Pixels no run reaches take index 0.
    QTest::newRow("run-length 8 bits, indices past the table, pixels left out")
        << indexed(8, {R, G}, bytes({2, 1, 1, 9, 0, 0, 1, 1, 0, 1}), 1).bytes() << QString()
        << QList<QRgb>{G, R, R, R, G, G, K, R};
    QTest::newRow("run-length 4 bits, indices past the table, pixels left out")
        << indexed(4, {R, G, B}, bytes({3, 0x1F, 0, 0, 0, 3, 0x2E, 0x10, 0, 1}), 2).bytes() << QString()
        << QList<QRgb>{B, K, G, R, G, K, G, R};
    QTest::newRow("run-length 8 bits, a run and jumps past the edges")
        << indexed(8, {R, G}, bytes({9, 1, 0, 0, 0, 2, 2, 0, 1, 1, 0, 2, 255, 255, 3, 1}), 1).bytes() << QString()
        << QList<QRgb>{R, R, G, R, G, G, G, G};
    QTest::newRow("run-length 8 bits, an odd literal past the right edge")
        << indexed(8, {R, G}, bytes({0, 5, 1, 0, 1, 0, 0, 0, 0, 0, 4, 1, 0, 1}), 1).bytes() << QString()
        << QList<QRgb>{G, G, G, G, G, R, G, R};
    {
        BmpBytes topDown = indexed(8, {R, G}, bytes({1, 0, 7, 1, 0, 0, 1, 250}));
        topDown.height = -2;
        QTest::newRow("top-down 8 bits, indices past the table")
            << topDown.bytes() << QString() << QList<QRgb>{G, R, K, G, R, R, G, K};
    }
    {
        BmpBytes scattered;
        scattered.bits = 16;
        scattered.compression = 3;
        scattered.masks = {0xF00F, 0x0F00, 0x00F0};
        scattered.pixels = QByteArray(16, '\x5A');
        QTest::newRow("16 bits, a bit-field mask in two pieces") << scattered.bytes() << kInvalid << QList<QRgb>{};
    }
}

void HostilePicturesTest::hostilePictures()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, error);
    QFETCH(QList<QRgb>, shown);
    QTemporaryDir workDir;
    const QString path = QDir(workDir.path()).filePath(QStringLiteral("picture.bmp"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size());
    }
    QVERIFY(linkEveryKey(workDir.path(), path));
    FakeServices services;
    const GlyphSets sets = TestSets::make();
    Game game(services, sets, {workDir.path(), workDir.path()});
    game.settings().TypeExercice = 4;
    const bool drawn = game.NouveauMot();
    QCOMPARE(drawn, error.isEmpty());
    QCOMPARE(services.errors, error.isEmpty() ? QStringList() : QStringList{error});
    for (int p = 1; p <= (drawn ? 4 : 1); ++p) {
        const QPoint at = BoardLayout::pictureAt(p);
        if (drawn)
            QCOMPARE(pixelsAt(game.board(), at, QSize(4, 2)), shown);
        else // the cell keeps the board's aqua
            QCOMPARE(pixelsAt(game.board(), at, QSize(1, 1)), QList<QRgb>{qRgb(0, 255, 255)});
    }
}

QTEST_GUILESS_MAIN(HostilePicturesTest)
#include "hostilepictures_test.moc"
