// Renders the program's icon into a square PNG of a given size, at build
// time: iconrender <source.svg|source.xpm> <size> <out.png>
// Vector sources are drawn at the size; bitmap sources of another size are
// scaled smoothly (the 32-pixel bitmap is meant to be used as it is).
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QImage render(const QString &source, int size)
{
    if (source.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer svg(source);
        if (!svg.isValid())
            return {};
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        return image;
    }
    QImage image(source);
    if (image.isNull() || image.size() == QSize(size, size))
        return image;
    return image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <source.svg|source.xpm> <size> <out.png>\n", argv[0]);
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const int size = QByteArray(argv[2]).toInt();
    const QString out = QString::fromLocal8Bit(argv[3]);
    if (size <= 0) {
        std::fprintf(stderr, "iconrender: bad size %s\n", argv[2]);
        return 2;
    }
    const QImage image = render(source, size);
    if (image.isNull()) {
        std::fprintf(stderr, "iconrender: cannot read %s\n", argv[1]);
        return 1;
    }
    QDir().mkpath(QFileInfo(out).absolutePath());
    if (!image.save(out, "PNG")) {
        std::fprintf(stderr, "iconrender: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
