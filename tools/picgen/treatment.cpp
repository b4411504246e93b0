#include "treatment.h"

#include <QColor>
#include <QPainter>
#include <QSet>

static const QSet<QString> kBareOps = {QStringLiteral("plain"), QStringLiteral("mirror"), QStringLiteral("flip"),
                                       QStringLiteral("gray")};
static const QSet<QString> kArgOps = {QStringLiteral("place"),  QStringLiteral("hue"), QStringLiteral("tint"),
                                      QStringLiteral("rotate"), QStringLiteral("add"), QStringLiteral("under"),
                                      QStringLiteral("outline")};

static QString checkArgument(const TreatmentOp &op)
{
    bool ok = true;
    if (op.name == QLatin1String("hue") || op.name == QLatin1String("rotate"))
        op.argument.toDouble(&ok);
    else if (op.name == QLatin1String("tint") || op.name == QLatin1String("outline"))
        ok = op.argument.startsWith(QLatin1Char('#')) && QColor::isValidColorName(op.argument);
    else if (op.name == QLatin1String("place")) {
        QString source;
        ok = !parsePlacement(op.argument, &source).isNull() && source.isEmpty();
    } else if (op.name == QLatin1String("add") || op.name == QLatin1String("under")) {
        QString source;
        ok = !parsePlacement(op.argument, &source).isNull() && !source.isEmpty();
    }
    return ok ? QString() : QStringLiteral("bad argument in \"%1=%2\"").arg(op.name, op.argument);
}

Treatment parseTreatment(const QString &text)
{
    Treatment treatment;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &word : words) {
        TreatmentOp op;
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        op.name = equals < 0 ? word : word.left(equals);
        op.argument = equals < 0 ? QString() : word.mid(equals + 1);
        const bool known = equals < 0 ? kBareOps.contains(op.name) : kArgOps.contains(op.name);
        QString error = known ? checkArgument(op) : QStringLiteral("unknown operation \"%1\"").arg(word);
        if (error.isEmpty() && op.name == QLatin1String("place") && !treatment.ops.isEmpty())
            error = QStringLiteral("\"place\" must come first");
        if (!error.isEmpty()) {
            treatment.ops.clear();
            treatment.error = error;
            return treatment;
        }
        treatment.ops.append(op);
    }
    return treatment;
}

QRect parsePlacement(const QString &text, QString *source)
{
    const qsizetype at = text.lastIndexOf(QLatin1Char('@'));
    *source = at < 0 ? QString() : text.left(at);
    const QStringList numbers = text.mid(at + 1).split(QLatin1Char(','));
    if (numbers.size() != 3)
        return {};
    int values[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = numbers[i].toInt(&ok);
        if (!ok)
            return {};
    }
    if (values[2] <= 0)
        return {};
    return QRect(values[0], values[1], values[2], values[2]);
}

QImage mirrored(const QImage &art, bool horizontal)
{
    return art.mirrored(horizontal, !horizontal);
}

// Colour operations work on straight (not premultiplied) alpha so that the
// antialiased edges keep their hue.
template <typename Change> static QImage mapColours(const QImage &art, Change change)
{
    QImage image = art.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            QColor colour = QColor::fromRgba(line[x]);
            change(colour);
            line[x] = colour.rgba();
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage hueShifted(const QImage &art, int degrees)
{
    return mapColours(art, [degrees](QColor &colour) {
        int h, s, v, a;
        colour.getHsv(&h, &s, &v, &a);
        if (h >= 0)
            colour.setHsv(((h + degrees) % 360 + 360) % 360, s, v, a);
    });
}

QImage tinted(const QImage &art, const QColor &target)
{
    return mapColours(art, [target](QColor &colour) {
        const int alpha = colour.alpha();
        colour.setHsl(std::max(target.hslHue(), 0), target.hslSaturation(), colour.lightness(), alpha);
    });
}

QImage grayed(const QImage &art)
{
    return mapColours(art, [](QColor &colour) {
        const int level = qGray(colour.rgb());
        colour.setRgb(level, level, level, colour.alpha());
    });
}

QImage rotated(const QImage &art, qreal degrees)
{
    QImage image(art.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.translate(art.width() / 2.0, art.height() / 2.0);
    painter.rotate(degrees);
    painter.translate(-art.width() / 2.0, -art.height() / 2.0);
    painter.drawImage(0, 0, art);
    return image;
}

QImage outlined(const QImage &art, const QColor &colour)
{
    // The art's silhouette in the one colour, laid one pixel out in the eight
    // directions behind it: a ring that follows the antialiased edge.
    QImage silhouette = art.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter fill(&silhouette);
    fill.setCompositionMode(QPainter::CompositionMode_SourceIn);
    fill.fillRect(silhouette.rect(), colour);
    fill.end();
    QImage image(art.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (dx != 0 || dy != 0)
                painter.drawImage(dx, dy, silhouette);
    painter.drawImage(0, 0, art);
    return image;
}
