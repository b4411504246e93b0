#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

class QPainter;

// A read-only set of equal cells, stored in one sheet in rows of four
// (cell i at column i mod 4, row i div 4), drawn by index at a point.
// Cells are opaque: a draw copies the whole rectangle, background included.
class ImageSet
{
public:
    static constexpr int kCellsPerRow = 4;

    ImageSet() = default;
    ImageSet(const QImage &sheet, QSize cellSize, int count);

    // A sheet read from `path` (e.g. ":/glyphs/Alphabet.png") at its first
    // draw, so that the letter styles not played cost nothing; a set that
    // draws nothing when the sheet is missing or too small for `count` cells.
    static ImageSet fromFile(const QString &path, QSize cellSize, int count);

    QSize cellSize() const { return m_cellSize; }

    /* 0 <= index < count; other indices draw nothing. */
    void draw(QPainter &painter, int index, QPoint at) const;

private:
    QRect cellRect(int index) const;
    void load(const QImage &sheet) const;

    // Until the first draw: where the sheet is still to be read from.
    mutable QString m_path;
    mutable QImage m_sheet;
    mutable QSize m_cellSize;
    mutable int m_count = 0;
};
