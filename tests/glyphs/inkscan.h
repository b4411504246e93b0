#pragma once

#include <QImage>
#include <QList>
#include <QRect>

// Reading the art back: every cell of every set has this background.
namespace InkScan {

const QRgb kBackground = qRgb(87, 255, 255);

inline bool isInk(const QImage &image, int x, int y) { return image.pixel(x, y) != kBackground; }

inline QList<int> inkRowsInColumn(const QImage &cell, int x)
{
    QList<int> rows;
    for (int y = 0; y < cell.height(); ++y)
        if (isInk(cell, x, y))
            rows << y;
    return rows;
}

// Smallest rectangle holding every non-background pixel (null when none).
inline QRect inkBox(const QImage &cell)
{
    QRect box;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (isInk(cell, x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace InkScan
