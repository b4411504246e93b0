#include "contactsheet.h"

#include "manifest.h"

#include <QFont>
#include <QImageReader>
#include <QPainter>

static constexpr int kColumns = 16;
static constexpr int kGap = 8;
static constexpr int kLabelHeight = 30;

QImage contactSheet(const QList<ManifestRow> &rows, const QString &imagesDir, int zoom, bool blind)
{
    const int picture = 64 * zoom;
    const int cellWidth = picture + kGap;
    const int cellHeight = picture + kGap + kLabelHeight;
    const int lines = int((rows.size() + kColumns - 1) / kColumns);
    QImage sheet(kColumns * cellWidth + kGap, lines * cellHeight + kGap, QImage::Format_RGB32);
    sheet.fill(Qt::white);

    QPainter painter(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    painter.setFont(font);
    for (int i = 0; i < rows.size(); ++i) {
        const ManifestRow &row = rows[i];
        const QPoint at(kGap + (i % kColumns) * cellWidth, kGap + (i / kColumns) * cellHeight);
        const QImage image =
            QImageReader(imagesDir + QLatin1Char('/') + row.key + QStringLiteral(".bmp"), "bmp").read();
        if (image.isNull())
            painter.fillRect(QRect(at, QSize(picture, picture)), Qt::lightGray);
        else
            painter.drawImage(QRect(at, QSize(picture, picture)), image);
        // A blind sheet numbers the cells, so that a reviewer can give a name
        // for each without learning anything from the label.
        const QRect label(at.x() - kGap / 2, at.y() + picture + 1, cellWidth, kLabelHeight);
        painter.setPen(Qt::black);
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         blind ? QString::number(i + 1) : QStringLiteral("%1 %2").arg(row.index).arg(row.name));
    }
    return sheet;
}
