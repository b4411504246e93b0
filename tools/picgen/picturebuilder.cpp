#include "picturebuilder.h"

#include "card.h"
#include "manifest.h"
#include "sourceart.h"
#include "treatment.h"

#include <QImageWriter>
#include <QPainter>

static const QRect kWholeArt(QPoint(0, 0), Card::kArtRect.size());

static QImage blankArt()
{
    QImage art(kWholeArt.size(), QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    return art;
}

// Draws `source` loaded at the placement's own size, on top of or behind `art`.
static bool drawLayer(QImage &art, const QString &source, const QRect &place, bool behind, const QString &sourcesDir,
                      QStringList *warnings)
{
    QString error;
    const QImage layer = loadSourceArt(source, sourcesDir, place.size(), &error);
    if (!error.isEmpty())
        warnings->append(error);
    if (layer.isNull())
        return false;
    QPainter painter(&art);
    if (behind)
        painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
    painter.drawImage(place.topLeft(), layer);
    return true;
}

static bool applyOp(QImage &art, const TreatmentOp &op, const QString &sourcesDir, QStringList *warnings)
{
    if (op.name == QLatin1String("mirror") || op.name == QLatin1String("flip"))
        art = mirrored(art, op.name == QLatin1String("mirror"));
    else if (op.name == QLatin1String("hue"))
        art = hueShifted(art, op.argument.toInt());
    else if (op.name == QLatin1String("tint"))
        art = tinted(art, QColor(op.argument));
    else if (op.name == QLatin1String("gray"))
        art = grayed(art);
    else if (op.name == QLatin1String("rotate"))
        art = rotated(art, op.argument.toDouble());
    else if (op.name == QLatin1String("outline"))
        art = outlined(art, QColor(op.argument));
    else if (op.name == QLatin1String("add") || op.name == QLatin1String("under")) {
        QString source;
        const QRect place = parsePlacement(op.argument, &source);
        return drawLayer(art, source, place, op.name == QLatin1String("under"), sourcesDir, warnings);
    }
    return true;
}

QImage buildArt(const QString &source, const QString &treatmentText, const QString &sourcesDir, QStringList *warnings)
{
    const Treatment treatment = parseTreatment(treatmentText);
    if (!treatment.error.isEmpty()) {
        warnings->append(treatment.error);
        return {};
    }
    QList<TreatmentOp> ops = treatment.ops;
    QRect mainPlace = kWholeArt;
    if (!ops.isEmpty() && ops.first().name == QLatin1String("place")) {
        QString unused;
        mainPlace = parsePlacement(ops.takeFirst().argument, &unused);
    }
    QImage art = blankArt();
    if (!drawLayer(art, source, mainPlace, false, sourcesDir, warnings))
        return {};
    for (const TreatmentOp &op : ops) {
        if (!applyOp(art, op, sourcesDir, warnings))
            return {};
    }
    return art;
}

QImage buildPicture(const ManifestRow &row, const QString &sourcesDir, QStringList *warnings)
{
    QStringList rowWarnings;
    const QImage art = buildArt(row.source, row.treatment, sourcesDir, &rowWarnings);
    for (const QString &warning : std::as_const(rowWarnings))
        warnings->append(QStringLiteral("%1: %2").arg(row.key, warning));
    return art.isNull() ? Card::placeholder() : Card::compose(art);
}

bool writeBmp(const QImage &picture, const QString &path)
{
    QImageWriter writer(path, "bmp");
    return writer.write(picture.convertToFormat(QImage::Format_RGB888));
}
