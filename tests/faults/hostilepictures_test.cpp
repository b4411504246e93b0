#include "bmpbytes.h"
#include "boardlayout.h"
#include "fakeservices.h"
#include "filebytes.h"
#include "game.h"
#include "pictureloader.h"
#include "testsets.h"
#include "wordlist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <climits>

// Damaged or forged picture files in images/: each turn either draws four
// pictures or stops at the first cell with the message. Run under the
// sanitizers and valgrind, where reading past a colour table or pixels the
// file never set shows as a fault. What the toolkit's reader shows for such
// a file is its own business; the pixels are checked only where the game's
// rules decide them.
class HostilePicturesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void hostilePictures_data();
    void hostilePictures();

private:
    // A working folder whose every picture key links to one file, which
    // each case rewrites.
    QTemporaryDir m_workDir;
    QString m_picture;
};

namespace {

const QRgb R = qRgb(200, 0, 0);
const QRgb G = qRgb(0, 200, 0);
const QRgb B = qRgb(0, 0, 200);

const QString kInvalid = QStringLiteral("Image bitmap incorrecte.");

// Refused and Drawn where the game's rules decide, Either where the
// toolkit's reader does.
enum class Outcome { Drawn, Refused, Either };

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

BmpBytes direct(quint16 bits, quint32 compression, const QList<quint32> &masks, quint32 headerSize = 40)
{
    BmpBytes b;
    b.headerSize = headerSize;
    b.bits = bits;
    b.compression = compression;
    b.masks = masks;
    const int stride = (4 * bits + 31) / 32 * 4;
    b.pixels = QByteArray(qsizetype(2) * stride, '\x5A');
    return b;
}

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

void HostilePicturesTest::initTestCase()
{
    m_picture = QDir(m_workDir.path()).filePath(QStringLiteral("picture.bmp"));
    QVERIFY(linkEveryKey(m_workDir.path(), m_picture));
}

void HostilePicturesTest::hostilePictures_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QList<QRgb>>("shown"); // 4 x 2, top row first; empty: not checked

    // Kept from the retired picture fuzzer: its seeds and its findings.
    const QDir committed(QStringLiteral(HOSTILE_PICTURES_DIR));
    const std::pair<const char *, Outcome> files[] = {
        {"argb.bmp", Outcome::Drawn},
        {"cut-header.bmp", Outcome::Refused},
        {"mono.bmp", Outcome::Drawn},
        {"not-a-bmp.png", Outcome::Refused},
        {"os2.bmp", Outcome::Drawn},
        {"palette4.bmp", Outcome::Drawn},
        {"rgb24.bmp", Outcome::Drawn},
        {"rle8.bmp", Outcome::Drawn},
        // Run-length data announced past the end of the file.
        {"rle8-offset-past-end.bmp", Outcome::Refused},
        // Sizes whose product overflowed a check of the data length.
        {"sizes-product-overflow.bmp", Outcome::Refused},
    };
    QCOMPARE(committed.entryList(QDir::Files).size(), int(std::size(files)));
    for (const auto &[name, outcome] : files) {
        const QByteArray file = readWhole(committed.filePath(QLatin1String(name)));
        QVERIFY2(!file.isEmpty(), name);
        QTest::newRow(name) << file << outcome << QList<QRgb>{};
    }

    // Pixels no run reaches take the table's first colour, not whatever the
    // memory held.
    QTest::newRow("run-length 8 bits, pixels left out")
        << indexed(8, {R, G}, bytes({2, 1, 0, 0, 1, 1, 0, 1}), 1).bytes() << Outcome::Drawn
        << QList<QRgb>{G, R, R, R, G, G, R, R};
    QTest::newRow("run-length 4 bits, pixels left out")
        << indexed(4, {R, G, B}, bytes({3, 0x12, 0, 0, 1, 0x20, 0, 1}), 2).bytes() << Outcome::Drawn
        << QList<QRgb>{B, R, R, R, G, B, G, R};
    QTest::newRow("8 bits, indices past a 2-entry table")
        << indexed(8, {R, G}, bytes({0, 1, 2, 255, 1, 0, 200, 3})).bytes() << Outcome::Drawn << QList<QRgb>{};
    QTest::newRow("4 bits, indices past a 3-entry table")
        << indexed(4, {R, G, B}, bytes({0x01, 0x2F, 0, 0, 0xF3, 0x10, 0, 0})).bytes() << Outcome::Drawn
        << QList<QRgb>{};
    QTest::newRow("1 bit, a 1-entry table")
        << indexed(1, {G}, bytes({0xA0, 0, 0, 0, 0x50, 0, 0, 0})).bytes() << Outcome::Drawn << QList<QRgb>{};
    QTest::newRow("run-length 8 bits, indices past the table, pixels left out")
        << indexed(8, {R, G}, bytes({2, 1, 1, 9, 0, 0, 1, 1, 0, 1}), 1).bytes() << Outcome::Drawn << QList<QRgb>{};
    QTest::newRow("run-length 4 bits, indices past the table, pixels left out")
        << indexed(4, {R, G, B}, bytes({3, 0x1F, 0, 0, 0, 3, 0x2E, 0x10, 0, 1}), 2).bytes() << Outcome::Drawn
        << QList<QRgb>{};
    QTest::newRow("run-length 8 bits, a run and jumps past the edges")
        << indexed(8, {R, G}, bytes({9, 1, 0, 0, 0, 2, 2, 0, 1, 1, 0, 2, 255, 255, 3, 1}), 1).bytes() << Outcome::Either
        << QList<QRgb>{};
    QTest::newRow("run-length 8 bits, an odd literal past the right edge")
        << indexed(8, {R, G}, bytes({0, 5, 1, 0, 1, 0, 0, 0, 0, 0, 4, 1, 0, 1}), 1).bytes() << Outcome::Drawn
        << QList<QRgb>{};
    {
        BmpBytes topDown = indexed(8, {R, G}, bytes({1, 0, 7, 1, 0, 0, 1, 250}));
        topDown.height = -2;
        QTest::newRow("top-down 8 bits, indices past the table") << topDown.bytes() << Outcome::Drawn << QList<QRgb>{};
        topDown.height = -1025;
        QTest::newRow("top-down, 1025 rows") << topDown.bytes() << Outcome::Refused << QList<QRgb>{};
    }
    QTest::newRow("16 bits, a bit-field mask in two pieces")
        << direct(16, 3, {0xF00F, 0x0F00, 0x00F0}).bytes() << Outcome::Either << QList<QRgb>{};
    QTest::newRow("32 bits, an alpha mask in two pieces")
        << direct(32, 3, {0xFF0000, 0xFF00, 0xFF, 0x81000000}, 124).bytes() << Outcome::Either << QList<QRgb>{};
    QTest::newRow("bit-field masks cut off")
        << direct(16, 3, {0xF800, 0x07E0, 0x001F}).bytes().left(60) << Outcome::Refused << QList<QRgb>{};

    const BmpBytes eight = indexed(8, {R, G}, QByteArray(8, '\1'));
    auto with = [&eight](auto change) {
        BmpBytes b = eight;
        change(b);
        return b.bytes();
    };
    QTest::newRow("not a bitmap") << QByteArray("PK\3\4 this is no picture") << Outcome::Refused << QList<QRgb>{};
    QTest::newRow("cut inside the info header") << eight.bytes().left(40) << Outcome::Refused << QList<QRgb>{};
    QTest::newRow("pixel data cut off") << eight.bytes().chopped(1) << Outcome::Refused << QList<QRgb>{};
    {
        QByteArray longHeader = eight.bytes();
        longHeader[14] = char(124);
        QTest::newRow("header size 124 in a shorter file") << longHeader << Outcome::Refused << QList<QRgb>{};
    }
    QTest::newRow("header size 64") << with([](BmpBytes &b) { b.headerSize = 64; }) << Outcome::Either << QList<QRgb>{};
    QTest::newRow("colour table past the end")
        << with([](BmpBytes &b) { b.coloursUsed = 200; }) << Outcome::Refused << QList<QRgb>{};
    QTest::newRow("table of 257 entries") << with([](BmpBytes &b) {
        b.coloursUsed = 257;
        b.table.resize(257);
    }) << Outcome::Either << QList<QRgb>{};
    QTest::newRow("pixel offset past the end")
        << with([](BmpBytes &b) { b.dataOffset = 1000; }) << Outcome::Refused << QList<QRgb>{};
    QTest::newRow("run-length pixel offset past the end") << with([](BmpBytes &b) {
        b.compression = 1;
        b.dataOffset = 1000;
    }) << Outcome::Refused << QList<QRgb>{};
    QTest::newRow("run-length data cut inside its first code") << with([](BmpBytes &b) {
        b.compression = 1;
        b.pixels = "\1";
    }) << Outcome::Refused << QList<QRgb>{};
    QTest::newRow("width 0") << with([](BmpBytes &b) { b.width = 0; }) << Outcome::Refused << QList<QRgb>{};
    QTest::newRow("width 1024, the widest") << with([](BmpBytes &b) {
        b.width = 1024;
        b.pixels = QByteArray(qsizetype(2) * 1024, '\1');
    }) << Outcome::Drawn << QList<QRgb>{G, G, G, G, G, G, G, G};
    QTest::newRow("width 1025") << with([](BmpBytes &b) {
        b.width = 1025;
        b.pixels = QByteArray(qsizetype(2) * 1028, '\1');
    }) << Outcome::Refused << QList<QRgb>{};
    QTest::newRow("height INT_MIN") << with([](BmpBytes &b) { b.height = INT_MIN; }) << Outcome::Refused
                                    << QList<QRgb>{};
    QTest::newRow("run-length 8 codes on 4 bits") << with([](BmpBytes &b) {
        b.bits = 4;
        b.compression = 1;
    }) << Outcome::Either << QList<QRgb>{};
    QTest::newRow("embedded JPEG") << with([](BmpBytes &b) { b.compression = 4; }) << Outcome::Either << QList<QRgb>{};
    // A sound picture with more after it than any picture needs: refused
    // unread.
    QTest::newRow("longer than any picture")
        << eight.bytes() + QByteArray(PictureLoader::kMaxFileBytes, '\0') << Outcome::Refused << QList<QRgb>{};
}

void HostilePicturesTest::hostilePictures()
{
    QFETCH(QByteArray, file);
    QFETCH(Outcome, outcome);
    QFETCH(QList<QRgb>, shown);
    QVERIFY(writeWhole(m_picture, file));
    FakeServices services;
    const GlyphSets sets = TestSets::make();
    Game game(services, sets, {m_workDir.path(), m_workDir.path()});
    game.settings().TypeExercice = 4;
    const bool drawn = game.NouveauMot();
    if (outcome != Outcome::Either)
        QCOMPARE(drawn, outcome == Outcome::Drawn);
    QCOMPARE(services.errors, drawn ? QStringList() : QStringList{kInvalid});
    for (int p = 1; p <= (drawn ? 4 : 1); ++p) {
        const QPoint at = BoardLayout::pictureAt(p);
        if (!drawn) // the cell keeps the board's aqua
            QCOMPARE(pixelsAt(game.board(), at, QSize(1, 1)), QList<QRgb>{qRgb(0, 255, 255)});
        else if (!shown.isEmpty())
            QCOMPARE(pixelsAt(game.board(), at, QSize(4, 2)), shown);
    }
}

QTEST_GUILESS_MAIN(HostilePicturesTest)
#include "hostilepictures_test.moc"
