#include "buttonpictures.h"

#include <QtTest>

Q_DECLARE_METATYPE(ButtonPicture)

namespace {

constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb nearBlack = qRgb(7, 7, 7);
constexpr QRgb darkGrey = qRgb(47, 47, 47);
constexpr QRgb sunkGrey = qRgb(119, 119, 119);

QRgb rgbAt(const QImage &image, int x, int y)
{
    return image.pixel(x, y) | 0xff000000u;
}

QString describe(QRgb colour)
{
    return QStringLiteral("RGB(%1, %2, %3)").arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
}

// First pixel along a straight run that is not `expected`, or an empty string.
QString runMismatch(const QImage &image, QPoint from, QPoint step, int count, QRgb expected)
{
    for (int i = 0; i < count; ++i) {
        const QPoint p = from + i * step;
        if (rgbAt(image, p.x(), p.y()) != expected)
            return QStringLiteral("(%1, %2) is %3, expected %4")
                .arg(p.x())
                .arg(p.y())
                .arg(describe(rgbAt(image, p.x(), p.y())), describe(expected));
    }
    return {};
}

struct Edge
{
    QRgb topLeftOuter;
    QRgb topLeftInner;
    QRgb bottomRightOuter;
    QRgb bottomRightInner;
};

// Checks the four sides of a two-pixel edge, corners left out: where the
// light and dark lines meet is a matter of taste, the sides are not.
void verifyEdge(const QImage &image, const Edge &edge)
{
    const int w = image.width();
    const int h = image.height();
    const int across = w - 4;
    const int down = h - 4;
    const struct
    {
        const char *side;
        QPoint from;
        QPoint step;
        int count;
        QRgb colour;
    } runs[] = {
        {"top outer", {2, 0}, {1, 0}, across, edge.topLeftOuter},
        {"top inner", {2, 1}, {1, 0}, across, edge.topLeftInner},
        {"left outer", {0, 2}, {0, 1}, down, edge.topLeftOuter},
        {"left inner", {1, 2}, {0, 1}, down, edge.topLeftInner},
        {"bottom outer", {2, h - 1}, {1, 0}, across, edge.bottomRightOuter},
        {"bottom inner", {2, h - 2}, {1, 0}, across, edge.bottomRightInner},
        {"right outer", {w - 1, 2}, {0, 1}, down, edge.bottomRightOuter},
        {"right inner", {w - 2, 2}, {0, 1}, down, edge.bottomRightInner},
    };
    for (const auto &run : runs) {
        const QString mismatch = runMismatch(image, run.from, run.step, run.count, run.colour);
        QVERIFY2(mismatch.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(run.side, mismatch)));
    }
}

bool isOpaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 255)
                return false;
    return true;
}

} // namespace

class ButtonPicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void releasedPictureHasItsSizeAndPalette_data() { addEveryPicture(); }
    void releasedPictureHasItsSizeAndPalette();
    void releasedPictureStandsRaised_data() { addEveryPicture(); }
    void releasedPictureStandsRaised();
    void pressedPictureIsSunkAndMovedDown_data() { addEveryPicture(); }
    void pressedPictureIsSunkAndMovedDown();
    void sunkKeepsTrueColourPictures();
    void sunkLeavesTooSmallPicturesAlone();

private:
    static void addEveryPicture();
};

void ButtonPicturesTest::addEveryPicture()
{
    QTest::addColumn<ButtonPicture>("which");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRgb>("plate");

    const QRgb skyBlue = qRgb(51, 155, 255);
    const QRgb lavender = qRgb(103, 103, 255);
    const QRgb golden = qRgb(255, 207, 3);
    const QRgb orange = qRgb(255, 153, 51);
    QTest::newRow("logo") << ButtonPicture::Logo << QSize(98, 36) << skyBlue;
    QTest::newRow("quitter") << ButtonPicture::Quitter << QSize(36, 36) << lavender;
    QTest::newRow("outils") << ButtonPicture::Outils << QSize(63, 36) << lavender;
    QTest::newRow("aide") << ButtonPicture::Aide << QSize(36, 36) << lavender;
    QTest::newRow("velune") << ButtonPicture::Velune << QSize(98, 36) << orange;
    QTest::newRow("ok") << ButtonPicture::OK << QSize(36, 36) << golden;
    QTest::newRow("annul") << ButtonPicture::Annul << QSize(36, 36) << golden;
    QTest::newRow("croix") << ButtonPicture::Croix << QSize(36, 36) << golden;
}

// The buttons draw their pictures uncut and unstretched, so a picture off by
// one pixel leaves a stripe of background or spills over its neighbour.
void ButtonPicturesTest::releasedPictureHasItsSizeAndPalette()
{
    QFETCH(ButtonPicture, which);
    QFETCH(QSize, size);

    const QImage image = ButtonPictures::released(which);
    QVERIFY2(!image.isNull(), qPrintable(ButtonPictures::resourcePath(which)));
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QVERIFY(image.colorCount() <= 256);
    QVERIFY(isOpaque(image));
}

void ButtonPicturesTest::releasedPictureStandsRaised()
{
    QFETCH(ButtonPicture, which);
    QFETCH(QRgb, plate);

    const QImage image = ButtonPictures::released(which);
    QVERIFY(!image.isNull());

    // The inner light line is a lighter shade of the plate, one colour along
    // both sides.
    const QRgb innerLight = rgbAt(image, 2, 1);
    QVERIFY2(innerLight != white, "the inner light line must not merge with the outer one");
    QVERIFY2(QColor(innerLight).lightness() > QColor(plate).lightness(), qPrintable(describe(innerLight)));
    verifyEdge(image, {white, innerLight, nearBlack, darkGrey});

    // The plate shows just inside the edge in each corner.
    const int w = image.width();
    const int h = image.height();
    for (const QPoint corner : {QPoint(2, 2), QPoint(w - 3, 2), QPoint(2, h - 3), QPoint(w - 3, h - 3)})
        QCOMPARE(describe(rgbAt(image, corner.x(), corner.y())), describe(plate));
}

void ButtonPicturesTest::pressedPictureIsSunkAndMovedDown()
{
    QFETCH(ButtonPicture, which);
    QFETCH(QSize, size);

    const QImage released = ButtonPictures::released(which);
    const QImage pressed = ButtonPictures::sunk(released);
    QCOMPARE(pressed.size(), size);
    QCOMPARE(pressed.format(), QImage::Format_Indexed8);
    QVERIFY(isOpaque(pressed));
    verifyEdge(pressed, {sunkGrey, white, white, sunkGrey});

    const int b = ButtonPictures::bevelWidth;
    for (int y = b + 1; y < size.height() - b; ++y)
        for (int x = b; x < size.width() - b; ++x)
            if (rgbAt(pressed, x, y) != rgbAt(released, x, y - 1))
                QFAIL(qPrintable(QStringLiteral("pressed (%1, %2) is not released (%1, %3)").arg(x).arg(y).arg(y - 1)));
    for (int x = b; x < size.width() - b; ++x)
        QCOMPARE(rgbAt(pressed, x, b), rgbAt(released, x, b));
}

// Pictures that do not come from the resources (a dialog's own, say) still
// sink, and the source is left as it was.
void ButtonPicturesTest::sunkKeepsTrueColourPictures()
{
    QImage source(8, 7, QImage::Format_RGB32);
    source.fill(qRgb(10, 20, 30));
    source.setPixel(3, 3, qRgb(200, 0, 0));
    const QImage before = source.copy();

    const QImage result = ButtonPictures::sunk(source);
    QCOMPARE(source, before);
    verifyEdge(result, {sunkGrey, white, white, sunkGrey});
    QCOMPARE(rgbAt(result, 3, 4), qRgb(200, 0, 0));
    QCOMPARE(rgbAt(result, 3, 3), qRgb(10, 20, 30));
}

void ButtonPicturesTest::sunkLeavesTooSmallPicturesAlone()
{
    QImage tiny(4, 9, QImage::Format_RGB32);
    tiny.fill(qRgb(1, 2, 3));
    QCOMPARE(ButtonPictures::sunk(tiny), tiny);
}

QTEST_GUILESS_MAIN(ButtonPicturesTest)
#include "tst_buttonpictures.moc"
