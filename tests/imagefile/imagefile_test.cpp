// Reading the program's own images must not drag in Qt's image plugins
// (SVG with its library, JPEG, GIF, ICO): a plain QImage(path) or
// QIcon(path) probes every plugin, which costs start-up time and memory.
#include "assetimage.h"
#include "buttonpictures.h"
#include "glyphsets.h"
#include "pictureloader.h"
#include "tcadregeneral.h"
#include "testsets.h"
#include "wordlist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

bool imagePluginLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

// An uncompressed 24-bit BMP, grey, written by hand.
QByteArray plainBmp(int width, int height)
{
    const int stride = (width * 3 + 3) / 4 * 4;
    QByteArray bytes(54 + stride * height, char(0x80));
    auto put = [&bytes](int at, quint32 value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[at + i] = char((value >> (8 * i)) & 0xff);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, quint32(bytes.size()), 4);
    put(6, 0, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, quint32(width), 4);
    put(22, quint32(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(30, 0, 4);
    put(34, quint32(stride * height), 4);
    bytes.replace(38, 16, QByteArray(16, 0)); // resolution and palette counts
    return bytes;
}

} // namespace

class ImageFileTest : public QObject
{
    Q_OBJECT

private slots:
    // First of all, and rows in order: the first read that loads a plugin
    // fails its row. (Writing pictures with Qt would load them all too.)
    void programImagesLoadNoPlugin_data()
    {
        QTest::addColumn<std::function<bool()>>("load");

        QTest::newRow("window icon") << std::function<bool()>(
            [] { return !AssetImage::read(QStringLiteral(":/icon/lecture.png")).isNull(); });
        QTest::newRow("letter and mark sets") << std::function<bool()>([] {
            const GlyphSets sets = GlyphSets::fromResources();
            return TestSets::drawnCount(sets.Alphabet) == GlyphSets::kGlyphCount
                   && TestSets::drawnCount(sets.AlphaMin) == GlyphSets::kGlyphCount
                   && TestSets::drawnCount(sets.AlphaMaj) == GlyphSets::kGlyphCount
                   && TestSets::drawnCount(sets.Touches) == GlyphSets::kMarkCount;
        });
        QTest::newRow("button pictures") << std::function<bool()>([] {
            for (int which = 0; which <= int(ButtonPicture::Croix); ++which) {
                if (ButtonPictures::released(ButtonPicture(which)).isNull())
                    return false;
            }
            return true;
        });
        QTest::newRow("board picture") << std::function<bool()>([] {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("CHAT.bmp"));
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(plainBmp(64, 64)) > 0 && file.flush()
                   && !PictureLoader::load(path).image.isNull();
        });
        QTest::newRow("main window and first turn") << std::function<bool()>([] {
            QTemporaryDir dir;
            QDir(dir.path()).mkdir(QStringLiteral("images"));
            const QByteArray picture = plainBmp(64, 64);
            for (int i = 0; i < WordList::kCount; ++i) {
                QFile file(dir.filePath(QStringLiteral("images/%1.bmp").arg(QString::fromLatin1(WordList::key(i)))));
                if (!file.open(QIODevice::WriteOnly) || file.write(picture) != picture.size())
                    return false;
            }
            TCadreGeneral window(GlyphSets::fromResources(), {dir.path(), dir.path()});
            return !window.windowIcon().isNull();
        });
    }
    void programImagesLoadNoPlugin()
    {
        QFETCH(std::function<bool()>, load);
        if (!QFile::exists(QStringLiteral("/proc/self/maps")))
            QSKIP("no /proc/self/maps here to list the loaded libraries");
        QVERIFY2(!imagePluginLoaded(), "a plugin was loaded before this row");
        QVERIFY(load());
        QVERIFY2(!imagePluginLoaded(), "reading these images loaded an image plugin");
    }

    void readsByTheSuffix_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("writeAs"); // "" writes raw text
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("readable");

        QTest::newRow("bmp") << "a.bmp" << QByteArray("BMP") << QByteArray() << true;
        QTest::newRow("upper-case suffix") << "b.BMP" << QByteArray("BMP") << QByteArray() << true;
        QTest::newRow("xpm") << "c.xpm" << QByteArray("XPM") << QByteArray() << true;
        // The content is not sniffed: a picture under the wrong name is refused.
        QTest::newRow("xpm named bmp") << "d.bmp" << QByteArray("XPM") << QByteArray() << false;
        QTest::newRow("png named bmp") << "e.bmp" << QByteArray("PNG") << QByteArray() << false;
        QTest::newRow("text named bmp") << "f.bmp" << QByteArray() << QByteArray("BM not really") << false;
        QTest::newRow("empty file") << "g.xpm" << QByteArray() << QByteArray() << false;
        QTest::newRow("no suffix") << "h" << QByteArray("BMP") << QByteArray() << false;
    }
    void readsByTheSuffix()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, writeAs);
        QFETCH(QByteArray, text);
        QFETCH(bool, readable);

        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QImage picture(5, 3, QImage::Format_RGB32);
        picture.fill(QColor(10, 20, 30));
        if (writeAs.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        } else {
            QVERIFY(picture.save(path, writeAs.constData()));
        }

        const QImage read = AssetImage::read(path);
        QCOMPARE(!read.isNull(), readable);
        if (readable) {
            QCOMPARE(read.size(), QSize(5, 3));
            QCOMPARE(read.pixelColor(4, 2), QColor(10, 20, 30));
        }
    }

    // The program reads the PNG made from each XPM source at build time: it
    // must be that picture, pixel for pixel, palette and all.
    void builtPngIsItsXpmSource_data()
    {
        QTest::addColumn<QString>("name");
        const QDir sources(QStringLiteral(ASSETS_SOURCE_DIR));
        for (const char *folder : {"glyphs", "marks", "buttons", "icon"}) {
            for (const QString &xpm :
                 QDir(sources.filePath(QLatin1String(folder))).entryList({QStringLiteral("*.xpm")}))
                QTest::newRow(qPrintable(xpm)) << QLatin1String(folder) + u'/' + xpm.chopped(4);
        }
    }
    void builtPngIsItsXpmSource()
    {
        QFETCH(QString, name);
        const QImage source(QStringLiteral(ASSETS_SOURCE_DIR "/") + name + QStringLiteral(".xpm"), "XPM");
        const QImage read = AssetImage::read(QStringLiteral(":/") + name + QStringLiteral(".png"));
        QVERIFY(!source.isNull());
        QCOMPARE(read.format(), source.format());
        QCOMPARE(read.colorTable(), source.colorTable());
        QCOMPARE(read, source);
    }

    void missingFileIsNull()
    {
        QTemporaryDir dir;
        QVERIFY(AssetImage::read(dir.filePath(QStringLiteral("absent.xpm"))).isNull());
    }
};

QTEST_MAIN(ImageFileTest)
#include "imagefile_test.moc"
