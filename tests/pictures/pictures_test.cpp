#include "card.h"
#include "manifest.h"
#include "picturebuilder.h"
#include "treatment.h"
#include "wordlist.h"

#include <QCryptographicHash>
#include <QDir>
#include <QHash>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

static const QString kSources = QStringLiteral(PICTURES_SOURCE_DIR);
static const QString kOutput = QStringLiteral(PICTURES_OUTPUT_DIR);

static Manifest realManifest()
{
    return readManifest(kSources + QStringLiteral("/manifest.tsv"));
}

// A 58 x 58 art square: left half red, right half transparent, so both
// colour and position changes are visible.
static QImage halfRedArt()
{
    QImage art(Card::kArtRect.size(), QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width() / 2; ++x)
            art.setPixel(x, y, qRgb(255, 0, 0));
    return art;
}

// Mean colour of the drawn art: the art square less the white of the card.
static QColor meanArtColour(const QImage &picture)
{
    double red = 0, green = 0, blue = 0;
    int count = 0;
    const QRect art = Card::kArtRect;
    for (int y = art.top(); y <= art.bottom(); ++y) {
        for (int x = art.left(); x <= art.right(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (qRed(pixel) > 235 && qGreen(pixel) > 235 && qBlue(pixel) > 235)
                continue;
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
            ++count;
        }
    }
    if (count == 0)
        return {};
    return QColor(int(red / count), int(green / count), int(blue / count));
}

class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
    // Guards against a key of the word list without a picture (the game
    // would stop on an error box) and against rows for keys it never asks for.
    void manifestHasOneRowPerWordListKey()
    {
        const Manifest manifest = realManifest();
        QVERIFY2(manifest.errors.isEmpty(), qPrintable(manifest.errors.join(QLatin1Char('\n'))));
        QHash<QString, ManifestRow> byKey;
        for (const ManifestRow &row : manifest.rows) {
            QVERIFY2(!byKey.contains(row.key), qPrintable(QStringLiteral("two rows for ") + row.key));
            byKey.insert(row.key, row);
        }
        int keys = 0;
        for (int index = 0; index < WordList::kCount; ++index) {
            const QString key = QString::fromLatin1(WordList::key(index));
            if (key.isEmpty())
                continue;
            ++keys;
            QVERIFY2(byKey.contains(key), qPrintable(QStringLiteral("no row for ") + key));
            const ManifestRow row = byKey.value(key);
            QCOMPARE(row.index, index);
            // The list's accented letters all lie where cp1252 and Latin-1 agree.
            QCOMPARE(row.name, QString::fromLatin1(WordList::name(index)));
        }
        QCOMPARE(manifest.rows.size(), keys);
    }

    // Every committed emoji file is used, and every used one is committed:
    // the licences cover exactly what ships.
    void committedSourcesAreExactlyTheUsedOnes_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QString>("extension");
        QTest::newRow("noto") << QStringLiteral("noto") << QStringLiteral("png");
        QTest::newRow("openmoji") << QStringLiteral("openmoji") << QStringLiteral("svg");
    }
    void committedSourcesAreExactlyTheUsedOnes()
    {
        QFETCH(QString, scheme);
        QFETCH(QString, extension);
        QSet<QString> used;
        const QString prefix = scheme + QLatin1Char(':');
        for (const ManifestRow &row : realManifest().rows) {
            QStringList sources{row.source};
            for (const TreatmentOp &op : parseTreatment(row.treatment).ops) {
                QString source;
                if (op.name == QLatin1String("add") || op.name == QLatin1String("under"))
                    parsePlacement(op.argument, &source);
                sources.append(source);
            }
            for (const QString &source : std::as_const(sources))
                if (source.startsWith(prefix))
                    used.insert(source.mid(prefix.size()) + QLatin1Char('.') + extension);
        }
        const QStringList files =
            QDir(kSources + QLatin1Char('/') + scheme).entryList({QStringLiteral("*.") + extension}, QDir::Files);
        const QSet<QString> committed(files.cbegin(), files.cend());
        QCOMPARE(committed - used, QSet<QString>());
        QCOMPARE(used - committed, QSet<QString>());
    }

    void treatmentParsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("operations"); // -1: rejected
        QTest::newRow("plain") << "plain" << 1;
        QTest::newRow("chain") << "mirror hue=40 add=noto:1f4a7@30,30,24" << 3;
        QTest::newRow("place first") << "place=4,4,50 gray" << 2;
        QTest::newRow("place later") << "gray place=4,4,50" << -1;
        QTest::newRow("unknown op") << "blur" << -1;
        QTest::newRow("bare op with value") << "mirror=1" << -1;
        QTest::newRow("hue not a number") << "hue=red" << -1;
        QTest::newRow("tint by name") << "tint=red" << -1;
        QTest::newRow("add without source") << "add=10,10,20" << -1;
        QTest::newRow("add bad size") << "add=noto:1f4a7@10,10,0" << -1;
        QTest::newRow("place with source") << "place=noto:1f4a7@0,0,58" << -1;
    }
    void treatmentParsing()
    {
        QFETCH(QString, text);
        QFETCH(int, operations);
        const Treatment treatment = parseTreatment(text);
        QCOMPARE(treatment.error.isEmpty(), operations >= 0);
        QCOMPARE(treatment.ops.size(), std::max(operations, 0));
    }

    // A malformed line must be reported, never turned into a wrong picture.
    void manifestLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("good") << QByteArray("1\tABEILLE\tl'abeille\tnoto:1f41d\tplain\tNoto Emoji") << true;
        QTest::newRow("empty treatment") << QByteArray("1\tABEILLE\tl'abeille\tnoto:1f41d\t\tNoto Emoji") << true;
        QTest::newRow("five columns") << QByteArray("1\tABEILLE\tl'abeille\tnoto:1f41d\tplain") << false;
        QTest::newRow("lower-case key") << QByteArray("1\tabeille\tl'abeille\tnoto:1f41d\tplain\tx") << false;
        QTest::newRow("key too long") << QByteArray("1\tABEILLEXX\tl'abeille\tnoto:1f41d\tplain\tx") << false;
        QTest::newRow("index not a number") << QByteArray("one\tABEILLE\tl'abeille\tnoto:1f41d\tplain\tx") << false;
        QTest::newRow("source without scheme") << QByteArray("1\tABEILLE\tl'abeille\t1f41d\tplain\tx") << false;
    }
    void manifestLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, accepted);
        const Manifest manifest =
            parseManifest("# comment\nindex\tkey\tname\tsource\ttreatment\tcredit\n" + line + "\r\n");
        QCOMPARE(manifest.rows.size(), accepted ? 1 : 0);
        QCOMPARE(manifest.errors.size(), accepted ? 0 : 1);
    }

    void treatmentsChangeTheArt_data()
    {
        QTest::addColumn<QString>("treatment");
        QTest::addColumn<QPoint>("probe");
        QTest::addColumn<QColor>("expected"); // invalid: transparent
        QTest::newRow("plain keeps left") << "plain" << QPoint(5, 30) << QColor(255, 0, 0);
        QTest::newRow("mirror moves right") << "mirror" << QPoint(52, 30) << QColor(255, 0, 0);
        QTest::newRow("mirror empties left") << "mirror" << QPoint(5, 30) << QColor();
        QTest::newRow("hue 120 makes green") << "hue=120" << QPoint(5, 30) << QColor(0, 255, 0);
        QTest::newRow("gray") << "gray" << QPoint(5, 30)
                              << QColor(qGray(qRgb(255, 0, 0)), qGray(qRgb(255, 0, 0)), qGray(qRgb(255, 0, 0)));
        QTest::newRow("tint blue keeps lightness") << "tint=#0000ff" << QPoint(5, 30) << QColor(0, 0, 255);
        QTest::newRow("tint keeps transparency") << "tint=#0000ff" << QPoint(52, 30) << QColor();
        QTest::newRow("rotate half turn") << "rotate=180" << QPoint(52, 30) << QColor(255, 0, 0);
        QTest::newRow("outline rings the edge") << "outline=#0000ff" << QPoint(29, 30) << QColor(0, 0, 255);
        QTest::newRow("outline keeps the art") << "outline=#0000ff" << QPoint(28, 30) << QColor(255, 0, 0);
        QTest::newRow("outline only at the edge") << "outline=#0000ff" << QPoint(31, 30) << QColor();
    }
    void treatmentsChangeTheArt()
    {
        QFETCH(QString, treatment);
        QFETCH(QPoint, probe);
        QFETCH(QColor, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("art.png"));
        QVERIFY(halfRedArt().save(path));
        QStringList warnings;
        const QImage art = buildArt(QStringLiteral("file:") + path, treatment, QString(), &warnings);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char(' '))));
        const QColor actual = art.pixelColor(probe);
        if (!expected.isValid()) {
            QCOMPARE(actual.alpha(), 0);
            return;
        }
        QCOMPARE(actual.alpha(), 255);
        QVERIFY2(qAbs(actual.red() - expected.red()) <= 2 && qAbs(actual.green() - expected.green()) <= 2
                     && qAbs(actual.blue() - expected.blue()) <= 2,
                 qPrintable(actual.name() + QStringLiteral(" instead of ") + expected.name()));
    }

    // A picture still being drawn must not stop the build.
    void missingSourceGivesThePlaceholder()
    {
        ManifestRow row;
        row.key = QStringLiteral("ABSENT");
        row.source = QStringLiteral("svg:ABSENT");
        row.treatment = QStringLiteral("plain");
        QStringList warnings;
        const QImage picture = buildPicture(row, QDir::tempPath() + QStringLiteral("/no-such-folder"), &warnings);
        QCOMPARE(warnings.size(), 1);
        QCOMPARE(picture, Card::placeholder());
    }

    // The card must match the board: aqua outside, the border, white inside.
    void cardFitsTheBoard_data()
    {
        QTest::addColumn<QPoint>("probe");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("outer ring") << QPoint(32, 0) << QColor(0, 255, 255);
        QTest::newRow("corner outside the rounding") << QPoint(2, 2) << QColor(0, 255, 255);
        QTest::newRow("top border") << QPoint(32, 1) << QColor(0, 150, 190);
        QTest::newRow("left border") << QPoint(1, 32) << QColor(0, 150, 190);
        QTest::newRow("bottom border") << QPoint(32, 62) << QColor(0, 150, 190);
        QTest::newRow("inside") << QPoint(32, 32) << QColor(Qt::white);
    }
    void cardFitsTheBoard()
    {
        QFETCH(QPoint, probe);
        QFETCH(QColor, expected);
        const QImage card = Card::compose(QImage());
        QCOMPARE(card.size(), QSize(64, 64));
        QCOMPARE(card.pixelColor(probe), expected);
    }

    void generatedPicture_data()
    {
        QTest::addColumn<QString>("key");
        for (const ManifestRow &row : realManifest().rows)
            QTest::newRow(qPrintable(row.key)) << row.key;
    }
    void generatedPicture()
    {
        QFETCH(QString, key);
        QImageReader reader(kOutput + QLatin1Char('/') + key + QStringLiteral(".bmp"), "bmp");
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(64, 64));
        QCOMPARE(image.pixelColor(0, 0), Card::kBoard);
        QVERIFY2(image != Card::placeholder().convertToFormat(image.format()), "placeholder: source missing or broken");
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 12, qPrintable(QStringLiteral("only %1 colours").arg(colours.size())));

        // Art drawn only in pale tints vanishes on the white card at board
        // size (the cloud, the plaster, the silver disc, the salt shaker and
        // the safety pin did): an edge or a part of it must stand clearly off
        // the white, by darkness or by colour.
        const QRect art = Card::kArtRect;
        int strong = 0;
        for (int y = art.top(); y <= art.bottom(); ++y)
            for (int x = art.left(); x <= art.right(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                strong += std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 115 ? 1 : 0;
            }
        QVERIFY2(strong >= 64, qPrintable(QStringLiteral("too pale: %1 pixels stand off the card").arg(strong)));
    }

    // Words of one family that may share a board, where colour is what a
    // child tells them apart by (their shapes are alike): the navy coat
    // beside the navy suit jacket was taken for it.
    void lookAlikesDifferInColour_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("suit jacket and coat") << "VESTE"
                                              << "MANTEAU";
        QTest::newRow("shirt and blouse") << "CHEMISE"
                                          << "CHEMISIE";
        QTest::newRow("shirt and suit jacket") << "CHEMISE"
                                               << "VESTE";
        QTest::newRow("blouson and safety vest") << "BLOUSON"
                                                 << "GILET";
        QTest::newRow("blouson and pullover") << "BLOUSON"
                                              << "PULLOVER";
        QTest::newRow("mouse and rat") << "SOURIS"
                                       << "RAT";
        QTest::newRow("gimlet and corkscrew") << "VRILLE"
                                              << "TIREBOUC";
        QTest::newRow("booties and slippers") << "CHAUSSON"
                                              << "PANTOUFL";
        QTest::newRow("gloves and mittens") << "GANTS"
                                            << "MOUFLES";
        QTest::newRow("goldfish and aquarium") << "PO_ROUGE"
                                               << "AQUARIUM";
        QTest::newRow("towel and tea towel") << "SERVIETT"
                                             << "TORCHON";
        QTest::newRow("towel and wash mitt") << "SERVIETT"
                                             << "GANTDETO";
    }
    void lookAlikesDifferInColour()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        const QColor a = meanArtColour(QImage(kOutput + QLatin1Char('/') + first + QStringLiteral(".bmp"), "bmp"));
        const QColor b = meanArtColour(QImage(kOutput + QLatin1Char('/') + second + QStringLiteral(".bmp"), "bmp"));
        QVERIFY(a.isValid() && b.isValid());
        const double distance = std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
        QVERIFY2(distance > 60, qPrintable(QStringLiteral("mean colours only %1 apart").arg(distance)));
    }

    // The four ways share a board: each is told apart by its coloured arrow
    // and letter, which must lie on the side it names (the grey rose is
    // left out by its lack of colour).
    void compassWayPointsToItsSide_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QPoint>("side");
        QTest::newRow("north") << "NORD" << QPoint(0, -1);
        QTest::newRow("south") << "SUD" << QPoint(0, 1);
        QTest::newRow("east") << "EST" << QPoint(1, 0);
        QTest::newRow("west") << "OUEST" << QPoint(-1, 0);
    }
    void compassWayPointsToItsSide()
    {
        QFETCH(QString, key);
        QFETCH(QPoint, side);
        const QImage image(kOutput + QLatin1Char('/') + key + QStringLiteral(".bmp"), "bmp");
        QVERIFY(!image.isNull());
        const QRect art = Card::kArtRect;
        QPointF sum;
        int count = 0;
        for (int y = art.top(); y <= art.bottom(); ++y)
            for (int x = art.left(); x <= art.right(); ++x) {
                const QColor colour = image.pixelColor(x, y);
                if (colour.hsvSaturation() > 120 && colour.value() > 60) {
                    sum += QPointF(x, y);
                    ++count;
                }
            }
        QVERIFY(count > 0);
        const QPointF offset = sum / count - QPointF(art.center());
        const double along = offset.x() * side.x() + offset.y() * side.y();
        const double across = std::abs(offset.x() * side.y() - offset.y() * side.x());
        QVERIFY2(along > 4 && across < 3,
                 qPrintable(QStringLiteral("colour centred %1 along, %2 across").arg(along).arg(across)));
    }

    // Two keys with the same picture make a turn that cannot be answered.
    void noTwoPicturesAreIdentical()
    {
        QHash<QByteArray, QString> keyByHash;
        for (const ManifestRow &row : realManifest().rows) {
            const QImage image = QImage(kOutput + QLatin1Char('/') + row.key + QStringLiteral(".bmp"), "bmp")
                                     .convertToFormat(QImage::Format_RGB32);
            if (image.isNull())
                continue; // reported by generatedPicture
            QCryptographicHash hash(QCryptographicHash::Sha1);
            for (int y = 0; y < image.height(); ++y)
                hash.addData(QByteArrayView(image.constScanLine(y), qsizetype(image.width()) * 4));
            const QByteArray digest = hash.result();
            QVERIFY2(!keyByHash.contains(digest),
                     qPrintable(row.key + QStringLiteral(" looks exactly like ") + keyByHash.value(digest)));
            keyByHash.insert(digest, row.key);
        }
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
