// picgen: builds the vocabulary pictures of the game.
//
//   picgen --manifest M --sources DIR --out DIR       every picture, OUT/KEY.bmp
//   picgen --render FILE OUT.png [--treatment "..."]  one source on the card
//   picgen --sheet OUT.png --manifest M --images DIR [--blind] [--first N]
//          [--count N] [--zoom Z] [--keys K1,K2,...] [--shuffle SEED]
//                                                     a review sheet
//
// Missing or broken sources only warn: the placeholder card is written so the
// build goes on while pictures are still being drawn.

#include "card.h"
#include "contactsheet.h"
#include "manifest.h"
#include "picturebuilder.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <random>

static void warn(const QString &text)
{
    std::fprintf(stderr, "picgen: warning: %s\n", qPrintable(text));
}

static int fail(const QString &text)
{
    std::fprintf(stderr, "picgen: %s\n", qPrintable(text));
    return 1;
}

static int renderOne(const QString &input, const QString &output, const QString &treatment)
{
    QStringList warnings;
    const QImage art = buildArt(QStringLiteral("file:") + input, treatment, QString(), &warnings);
    for (const QString &warning : std::as_const(warnings))
        warn(warning);
    if (art.isNull())
        return fail(QStringLiteral("nothing rendered from %1").arg(input));
    if (!Card::compose(art).save(output))
        return fail(QStringLiteral("cannot write %1").arg(output));
    return 0;
}

static int generateAll(const Manifest &manifest, const QString &sourcesDir, const QString &outDir)
{
    if (!QDir().mkpath(outDir))
        return fail(QStringLiteral("cannot create %1").arg(outDir));
    int placeholders = 0;
    for (const ManifestRow &row : manifest.rows) {
        QStringList warnings;
        const QImage picture = buildPicture(row, sourcesDir, &warnings);
        for (const QString &warning : std::as_const(warnings))
            warn(warning);
        placeholders += warnings.isEmpty() ? 0 : 1;
        if (!writeBmp(picture, outDir + QLatin1Char('/') + row.key + QStringLiteral(".bmp")))
            return fail(QStringLiteral("cannot write %1/%2.bmp").arg(outDir, row.key));
    }
    std::printf("picgen: %lld pictures written to %s (%d with warnings)\n",
                static_cast<long long>(manifest.rows.size()), qPrintable(outDir), placeholders);
    return 0;
}

static int writeSheet(const Manifest &manifest, const QCommandLineParser &args, const QString &output)
{
    const int first = std::max(0, args.value(QStringLiteral("first")).toInt());
    const int count =
        args.isSet(QStringLiteral("count")) ? args.value(QStringLiteral("count")).toInt() : int(manifest.rows.size());
    const int zoom = std::max(1, args.value(QStringLiteral("zoom")).toInt());
    QList<ManifestRow> rows;
    if (args.isSet(QStringLiteral("keys"))) {
        for (const QString &key : args.value(QStringLiteral("keys")).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const auto found = std::find_if(manifest.rows.cbegin(), manifest.rows.cend(),
                                            [&](const ManifestRow &row) { return row.key == key; });
            if (found == manifest.rows.cend())
                return fail(QStringLiteral("no key %1 in the manifest").arg(key));
            rows.append(*found);
        }
    } else {
        rows = manifest.rows.mid(first, count);
    }
    if (args.isSet(QStringLiteral("shuffle"))) {
        // A blind review in the manifest's order would give the answers away
        // (alphabetical keys); the seed makes the sheet reproducible. The
        // key, place by place, goes to standard output for whoever checks
        // the answers, never onto the sheet.
        std::mt19937 random(args.value(QStringLiteral("shuffle")).toUInt());
        std::shuffle(rows.begin(), rows.end(), random);
        for (int i = 0; i < rows.size(); ++i)
            std::printf("%d\t%s\t%s\n", i + 1, qPrintable(rows[i].key), qPrintable(rows[i].name));
    }
    const QImage sheet =
        contactSheet(rows, args.value(QStringLiteral("images")), zoom, args.isSet(QStringLiteral("blind")));
    if (!sheet.save(output))
        return fail(QStringLiteral("cannot write %1").arg(output));
    return 0;
}

int main(int argc, char *argv[])
{
    // Runs inside the build, where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser args;
    args.addHelpOption();
    args.addOptions({
        {QStringLiteral("manifest"), QStringLiteral("Manifest of all pictures."), QStringLiteral("file")},
        {QStringLiteral("sources"), QStringLiteral("Folder of the picture sources."), QStringLiteral("dir")},
        {QStringLiteral("out"), QStringLiteral("Folder for the KEY.bmp files."), QStringLiteral("dir")},
        {QStringLiteral("render"), QStringLiteral("Render one source file on the card: FILE OUT.png.")},
        {QStringLiteral("treatment"), QStringLiteral("Treatment for --render."), QStringLiteral("ops"),
         QStringLiteral("plain")},
        {QStringLiteral("sheet"), QStringLiteral("Write a contact sheet."), QStringLiteral("png")},
        {QStringLiteral("images"), QStringLiteral("Folder of generated pictures for --sheet."), QStringLiteral("dir")},
        {QStringLiteral("blind"), QStringLiteral("Contact sheet with numbers instead of names.")},
        {QStringLiteral("first"), QStringLiteral("First manifest row of the sheet."), QStringLiteral("n"),
         QStringLiteral("0")},
        {QStringLiteral("count"), QStringLiteral("Rows in the sheet."), QStringLiteral("n")},
        {QStringLiteral("zoom"), QStringLiteral("Magnification in the sheet."), QStringLiteral("n"),
         QStringLiteral("1")},
        {QStringLiteral("keys"), QStringLiteral("Only these keys, in this order (comma-separated)."),
         QStringLiteral("list")},
        {QStringLiteral("shuffle"), QStringLiteral("Shuffle the sheet with this seed; print its key."),
         QStringLiteral("seed")},
    });
    args.addPositionalArgument(QStringLiteral("files"), QStringLiteral("For --render: FILE OUT.png."));
    args.process(app);

    if (args.isSet(QStringLiteral("render"))) {
        const QStringList files = args.positionalArguments();
        if (files.size() != 2)
            return fail(QStringLiteral("--render needs FILE OUT.png"));
        return renderOne(files[0], files[1], args.value(QStringLiteral("treatment")));
    }
    if (!args.isSet(QStringLiteral("manifest")))
        return fail(QStringLiteral("--manifest is required (see --help)"));
    const Manifest manifest = readManifest(args.value(QStringLiteral("manifest")));
    for (const QString &error : manifest.errors)
        warn(error);
    if (manifest.rows.isEmpty())
        return fail(QStringLiteral("no usable row in %1").arg(args.value(QStringLiteral("manifest"))));
    if (args.isSet(QStringLiteral("sheet")))
        return writeSheet(manifest, args, args.value(QStringLiteral("sheet")));
    if (!args.isSet(QStringLiteral("sources")) || !args.isSet(QStringLiteral("out")))
        return fail(QStringLiteral("--sources and --out are required (see --help)"));
    return generateAll(manifest, args.value(QStringLiteral("sources")), args.value(QStringLiteral("out")));
}
