#include "sourceart.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

QString sourcePath(const QString &source, const QString &sourcesDir)
{
    const qsizetype colon = source.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return {};
    const QString scheme = source.left(colon);
    QString id = source.mid(colon + 1);
    if (id.isEmpty())
        return {};
    if (scheme == QLatin1String("noto"))
        return sourcesDir + QStringLiteral("/noto/") + id + QStringLiteral(".png");
    if (scheme == QLatin1String("openmoji"))
        return sourcesDir + QStringLiteral("/openmoji/") + id + QStringLiteral(".svg");
    if (scheme == QLatin1String("svg"))
        return sourcesDir + QStringLiteral("/svg/") + id + QStringLiteral(".svg");
    if (scheme == QLatin1String("file"))
        return id;
    return {};
}

QImage renderSvg(const QString &path, QSize size, QString *error)
{
    QSvgRenderer renderer;
    if (!renderer.load(path) || !renderer.isValid()) {
        *error = QStringLiteral("cannot render SVG %1").arg(path);
        return {};
    }
    QImage art(size, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    QPainter painter(&art);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    return art;
}

static QImage readBitmap(const QString &path, QSize size, QString *error)
{
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, reader.errorString());
        return {};
    }
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.size() == size)
        return image;
    if (image.width() < size.width() || image.height() < size.height())
        *error = QStringLiteral("%1 is smaller than %2 px and would be blurred").arg(path).arg(size.width());
    return image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage loadSourceArt(const QString &source, const QString &sourcesDir, QSize size, QString *error)
{
    const QString path = sourcePath(source, sourcesDir);
    if (path.isEmpty()) {
        *error = QStringLiteral("unknown source \"%1\"").arg(source);
        return {};
    }
    if (!QFileInfo::exists(path)) {
        *error = QStringLiteral("missing %1").arg(path);
        return {};
    }
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return renderSvg(path, size, error);
    return readBitmap(path, size, error);
}
