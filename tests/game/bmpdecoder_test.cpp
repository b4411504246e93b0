#include "bmpbytes.h"
#include "bmpdecoder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTest>

#include <climits>

// The game's own bitmap decoder: every sound file shows exactly what the
// toolkit's reader showed before it, and files the decoder cannot read
// safely are refused.
class BmpDecoderTest : public QObject
{
    Q_OBJECT
private slots:
    void shippedPicturesLookAsBefore();
    void soundFilesLookAsWithTheToolkit_data();
    void soundFilesLookAsWithTheToolkit();
    void wideBitFieldsKeepTheirTopBits();
    void unsafeFilesAreRefused_data();
    void unsafeFilesAreRefused();
};

namespace {

constexpr int kMaxSide = 1024;

QImage toolkitDecode(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "bmp");
    return reader.read();
}

QByteArray saved(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return buffer.data();
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A small picture with a different colour on every pixel.
QImage gradient(QSize size, QImage::Format format)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgba(40 * x, 255 - 30 * y, 17 * (x + y), 255 - 20 * x));
    return image.convertToFormat(format);
}

BmpBytes direct(quint16 bits, quint32 compression, const QList<quint32> &masks, quint32 headerSize = 40)
{
    BmpBytes b;
    b.headerSize = headerSize;
    b.bits = bits;
    b.compression = compression;
    b.masks = masks;
    const int stride = (4 * bits + 31) / 32 * 4;
    for (int i = 0; i < 2 * stride; ++i)
        b.pixels.append(char(37 * i + 11));
    return b;
}

} // namespace

void BmpDecoderTest::shippedPicturesLookAsBefore()
{
    const QDir images(QStringLiteral(PICTURES_DIR));
    const QStringList files = images.entryList({QStringLiteral("*.bmp")}, QDir::Files);
    QCOMPARE(files.size(), 608);
    for (const QString &name : files) {
        const QByteArray bytes = readAll(images.filePath(name));
        const QImage ours = BmpDecoder::decode(bytes, kMaxSide);
        QVERIFY2(!ours.isNull(), qPrintable(name));
        QVERIFY2(ours == toolkitDecode(bytes).convertToFormat(ours.format()), qPrintable(name));
    }
}

void BmpDecoderTest::soundFilesLookAsWithTheToolkit_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("format");
    const QSize size(5, 3);
    QTest::newRow("24 bits, odd width") << saved(gradient(size, QImage::Format_RGB32)) << int(QImage::Format_RGB32);
    QTest::newRow("8 bits, full table") << saved(gradient(size, QImage::Format_Indexed8)) << int(QImage::Format_RGB32);
    QTest::newRow("1 bit") << saved(gradient(QSize(11, 3), QImage::Format_Mono)) << int(QImage::Format_RGB32);
    {
        BmpBytes fourBits;
        fourBits.bits = 4;
        fourBits.width = 5;
        fourBits.table = {qRgb(1, 2, 3), qRgb(200, 100, 0), qRgb(0, 0, 255)};
        fourBits.coloursUsed = 3;
        fourBits.pixels = QByteArray::fromHex("012100001200000020100000");
        fourBits.height = 3;
        QTest::newRow("4 bits, short table") << fourBits.bytes() << int(QImage::Format_RGB32);
        fourBits.headerSize = 12;
        fourBits.coloursUsed = 0;
        fourBits.table.resize(16, qRgb(9, 9, 9));
        QTest::newRow("oldest header, 4 bits") << fourBits.bytes() << int(QImage::Format_RGB32);
    }
    {
        BmpBytes rle;
        rle.compression = 1;
        rle.table = {qRgb(10, 20, 30), qRgb(250, 0, 9), qRgb(0, 99, 0)};
        rle.coloursUsed = 3;
        rle.pixels = QByteArray::fromHex("0401000000030201020001000001");
        QTest::newRow("run-length 8 bits, runs and literal") << rle.bytes() << int(QImage::Format_RGB32);
        rle.compression = 2;
        rle.bits = 4;
        rle.pixels = QByteArray::fromHex("042100000003122001000001");
        QTest::newRow("run-length 4 bits, runs and literal") << rle.bytes() << int(QImage::Format_RGB32);
    }
    QTest::newRow("16 bits, default 5-5-5") << direct(16, 0, {}).bytes() << int(QImage::Format_RGB32);
    QTest::newRow("16 bits, 5-6-5 bit fields")
        << direct(16, 3, {0xF800, 0x07E0, 0x001F}).bytes() << int(QImage::Format_RGB32);
    QTest::newRow("32 bits, plain") << direct(32, 0, {}).bytes() << int(QImage::Format_RGB32);
    QTest::newRow("32 bits, alpha in a 124-byte header")
        << direct(32, 3, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}, 124).bytes() << int(QImage::Format_ARGB32);
    {
        BmpBytes topDown = direct(24, 0, {});
        topDown.height = -2;
        QTest::newRow("24 bits, top-down") << topDown.bytes() << int(QImage::Format_RGB32);
        topDown.dataOffset = 20;
        QTest::newRow("pixel offset inside the header") << topDown.bytes() << int(QImage::Format_RGB32);
    }
}

void BmpDecoderTest::soundFilesLookAsWithTheToolkit()
{
    QFETCH(QByteArray, file);
    QFETCH(int, format);
    const QImage ours = BmpDecoder::decode(file, kMaxSide);
    const QImage theirs = toolkitDecode(file);
    QVERIFY(!theirs.isNull());
    QCOMPARE(int(ours.format()), format);
    const QImage expected = theirs.convertToFormat(ours.format());
    QCOMPARE(ours.size(), expected.size());
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x)
            QVERIFY2(ours.pixel(x, y) == expected.pixel(x, y), qPrintable(QStringLiteral("(%1, %2): %3, not %4")
                                                                              .arg(x)
                                                                              .arg(y)
                                                                              .arg(ours.pixel(x, y), 8, 16)
                                                                              .arg(expected.pixel(x, y), 8, 16)));
}

// The toolkit's reader drew fields wider than 8 bits black; the decoder
// keeps their top 8 bits instead.
void BmpDecoderTest::wideBitFieldsKeepTheirTopBits()
{
    BmpBytes b = direct(32, 3, {0x3FF00000, 0x000FFC00, 0x000003FF});
    b.width = 1;
    b.height = 1;
    b.pixels = QByteArray::fromHex("ff0fc02f"); // 0x2FC00FFF: 10-bit fields 764, 3, 1023
    const QImage image = BmpDecoder::decode(b.bytes(), kMaxSide);
    QVERIFY(!image.isNull());
    QCOMPARE(image.pixel(0, 0), qRgb(764 >> 2, 0, 255));
}

void BmpDecoderTest::unsafeFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray good = saved(gradient(QSize(4, 2), QImage::Format_RGB32));
    auto with = [](BmpBytes b, auto change) {
        change(b);
        return b.bytes();
    };
    const BmpBytes eight = [] {
        BmpBytes b;
        b.table = {qRgb(1, 1, 1), qRgb(2, 2, 2)};
        b.coloursUsed = 2;
        b.pixels = QByteArray(8, '\1');
        return b;
    }();
    QVERIFY(!BmpDecoder::decode(good, kMaxSide).isNull());
    QVERIFY(!BmpDecoder::decode(eight.bytes(), kMaxSide).isNull());
    QTest::newRow("not a bitmap") << QByteArray("PK\3\4 this is no picture");
    QTest::newRow("cut inside the info header") << good.left(40);
    QTest::newRow("pixel data cut off") << good.chopped(1);
    {
        QByteArray longHeader = eight.bytes();
        longHeader[14] = char(124);
        QTest::newRow("header size 124 in a shorter file") << longHeader;
    }
    QTest::newRow("unknown header size 64") << with(eight, [](BmpBytes &b) { b.headerSize = 64; });
    QTest::newRow("colour table past the end") << with(eight, [](BmpBytes &b) { b.coloursUsed = 200; });
    QTest::newRow("table of 257 entries") << with(eight, [](BmpBytes &b) {
        b.coloursUsed = 257;
        b.table.resize(257);
    });
    QTest::newRow("pixel offset past the end") << with(eight, [](BmpBytes &b) { b.dataOffset = 1000; });
    QTest::newRow("run-length pixel offset past the end") << with(eight, [](BmpBytes &b) {
        b.compression = 1;
        b.dataOffset = 1000;
    });
    QTest::newRow("run-length data of no code") << with(eight, [](BmpBytes &b) {
        b.compression = 1;
        b.pixels = "\1";
    });
    QTest::newRow("width 0") << with(eight, [](BmpBytes &b) { b.width = 0; });
    QTest::newRow("width 1025") << with(eight, [](BmpBytes &b) {
        b.width = 1025;
        b.pixels = QByteArray(qsizetype(2) * 1028, '\1');
    });
    QTest::newRow("height INT_MIN") << with(eight, [](BmpBytes &b) { b.height = INT_MIN; });
    QTest::newRow("run-length 8 codes on 4 bits") << with(eight, [](BmpBytes &b) {
        b.bits = 4;
        b.compression = 1;
    });
    QTest::newRow("embedded JPEG") << with(eight, [](BmpBytes &b) { b.compression = 4; });
    QTest::newRow("bit-field masks cut off") << direct(16, 3, {0xF800, 0x07E0, 0x001F}).bytes().left(60);
    QTest::newRow("alpha mask in two pieces") << direct(32, 3, {0xFF0000, 0xFF00, 0xFF, 0x81000000}, 124).bytes();
}

void BmpDecoderTest::unsafeFilesAreRefused()
{
    QFETCH(QByteArray, file);
    QVERIFY(BmpDecoder::decode(file, kMaxSide).isNull());
}

QTEST_GUILESS_MAIN(BmpDecoderTest)
#include "bmpdecoder_test.moc"
