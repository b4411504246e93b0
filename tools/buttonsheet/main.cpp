#include "buttonpictures.h"
#include "colours.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

constexpr int gap = 12;
const QColor windowBlue = Colours::kBlue;

struct Row
{
    QImage up;
    QImage down;
};

// One row per picture: up and down at 1x, then up and down magnified.
QImage sheet(const QList<Row> &rows, int scale)
{
    int width = 0;
    int height = gap;
    for (const Row &row : rows) {
        width = std::max(width, gap * 5 + (row.up.width() + row.down.width()) * (1 + scale));
        height += row.up.height() * scale + gap;
    }
    QImage out(width, height, QImage::Format_RGB32);
    out.fill(windowBlue);
    QPainter painter(&out);
    int y = gap;
    for (const Row &row : rows) {
        int x = gap;
        for (const QImage &image : {row.up, row.down}) {
            painter.drawImage(x, y, image);
            x += image.width() + gap;
        }
        for (const QImage &image : {row.up, row.down}) {
            // Nearest-neighbour, so that every pixel stays a sharp square.
            painter.drawImage(x, y, image.scaled(image.size() * scale));
            x += image.width() * scale + gap;
        }
        y += row.up.height() * scale + gap;
    }
    return out;
}

QImage renderedSvg(const QString &path, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString outPath = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("buttonsheet.png");
    const int scale = argc > 2 ? std::max(1, atoi(argv[2])) : 6;

    QList<Row> rows;
    for (int which = 0; which <= int(ButtonPicture::Croix); ++which) {
        const QImage released = ButtonPictures::released(ButtonPicture(which));
        rows.append({released, ButtonPictures::sunk(released)});
    }
    // The icon's xpm next to its svg drawn at the same size.
    rows.append({QImage(QStringLiteral(":/icon/lecture.png")), renderedSvg(QStringLiteral(":/icon/lecture.svg"), 32)});

    for (const Row &row : rows) {
        if (row.up.isNull() || row.down.isNull()) {
            std::fprintf(stderr, "buttonsheet: a picture is missing from the resources\n");
            return 1;
        }
    }
    if (!sheet(rows, scale).save(outPath)) {
        std::fprintf(stderr, "buttonsheet: cannot write %s\n", qPrintable(outPath));
        return 1;
    }
    return 0;
}
