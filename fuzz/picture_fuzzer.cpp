#include "boardlayout.h"
#include "fakeservices.h"
#include "fuzzcheck.h"
#include "game.h"
#include "glyphsets.h"
#include "pictureloader.h"
#include "wordlist.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

const QString kInvalid = QStringLiteral("Image bitmap incorrecte.");

// A working folder whose images/ holds one file under every key: each key
// is a link to the fuzzed file, so every cell of a turn reads the input.
struct Folder
{
    Folder()
    {
        QDir root(dir.path());
        root.mkdir(QStringLiteral("images"));
        fuzzed = root.filePath(QStringLiteral("fuzzed.bmp"));
        for (int i = WordList::kFirstDrawable; i <= WordList::kLastDrawable; ++i) {
            const QString link =
                root.filePath(QStringLiteral("images/%1.bmp").arg(QString::fromLatin1(WordList::key(i))));
            QFile::link(fuzzed, link);
        }
    }

    QTemporaryDir dir;
    QString fuzzed;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    f.write(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static Folder folder;
    static const GlyphSets sets = GlyphSets::fromResources();
    writeFile(folder.fuzzed, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));

    const PictureLoader::Result picture = PictureLoader::load(folder.fuzzed);
    FUZZ_CHECK(picture.image.isNull() != picture.error.isEmpty());
    if (!picture.image.isNull()) {
        FUZZ_CHECK(picture.image.width() <= PictureLoader::kMaxSide);
        FUZZ_CHECK(picture.image.height() <= PictureLoader::kMaxSide);
        // Nothing that draws it can index a colour table.
        FUZZ_CHECK(picture.image.colorCount() == 0);
        FUZZ_CHECK(picture.image.format() == QImage::Format_RGB32 || picture.image.format() == QImage::Format_ARGB32);
    } else {
        FUZZ_CHECK(picture.error == kInvalid);
    }

    // A whole turn over the same file: a message and a stopped turn, or a
    // board with four pictures and the name.
    FakeServices services;
    Game game(services, sets, {folder.dir.path()});
    game.settings().TypeExercice = 4;
    const bool drawn = game.NouveauMot();
    FUZZ_CHECK(drawn == !picture.image.isNull());
    if (drawn) {
        FUZZ_CHECK(services.errors.isEmpty());
        FUZZ_CHECK(game.turn().NombreClics == 0);
        // An opaque picture shows its own pixels in the last cell, drawn
        // last, down to the name line drawn after it.
        if (picture.image.format() == QImage::Format_RGB32) {
            const QRect cell = QRect(QPoint(250, 70), picture.image.size()) & QRect(0, 70, 331, 100);
            FUZZ_CHECK(game.board().copy(cell) == picture.image.copy(cell.translated(-250, -70)));
        }
    } else {
        FUZZ_CHECK(services.errors == QStringList{kInvalid});
    }
    game.clickAt(BoardLayout::pictureCentre(game.turn().PositionBonne));
    game.test_reponse();
    FUZZ_CHECK(game.turn().DejaClique[game.turn().PositionBonne]);
    return 0;
}
