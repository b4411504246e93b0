#pragma once

#include <QImage>
#include <QList>
#include <QRect>

// Reading the art back: every cell of every set has this background.
namespace InkScan {

const QRgb kBackground = qRgb(87, 255, 255);

inline bool isInk(const QImage &image, int x, int y)
{
    return image.pixel(x, y) != kBackground;
}

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

// Number of separate pieces of ink, pixels touching by a side or a corner
// counting as one piece (the eye joins diagonal neighbours).
inline int inkPieces(const QImage &cell)
{
    QList<bool> seen(qsizetype(cell.width()) * cell.height(), false);
    int pieces = 0;
    for (int start = 0; start < seen.size(); ++start) {
        if (seen[start] || !isInk(cell, start % cell.width(), start / cell.width()))
            continue;
        ++pieces;
        QList<int> todo{start};
        seen[start] = true;
        while (!todo.isEmpty()) {
            const int at = todo.takeLast();
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const int x = at % cell.width() + dx;
                    const int y = at / cell.width() + dy;
                    if (x < 0 || y < 0 || x >= cell.width() || y >= cell.height())
                        continue;
                    const int next = y * cell.width() + x;
                    if (!seen[next] && isInk(cell, x, y)) {
                        seen[next] = true;
                        todo << next;
                    }
                }
            }
        }
    }
    return pieces;
}

} // namespace InkScan
