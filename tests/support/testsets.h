#pragma once

#include "glyphsets.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <functional>

// Image sets whose every cell is one flat colour that encodes its index,
// so a test can read back from the board which cell was drawn where,
// independently of the real art.
namespace TestSets {

inline QColor glyphColour(int style, int index)
{
    return QColor(10 * style, 100 + index, 50);
}
inline QColor markColour(int index)
{
    return QColor(200, 10 + index, 200);
}

inline ImageSet flatSet(QSize cell, int count, const std::function<QColor(int)> &colour)
{
    const int rows = (count + 3) / 4;
    QImage sheet(cell.width() * 4, cell.height() * rows, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    for (int i = 0; i < count; ++i) {
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x)
                sheet.setPixelColor((i % 4) * cell.width() + x, (i / 4) * cell.height() + y, colour(i));
    }
    return ImageSet(sheet, cell, count);
}

inline GlyphSets make()
{
    GlyphSets s;
    s.Alphabet = flatSet(GlyphSets::kGlyphCell, GlyphSets::kGlyphCount, [](int i) { return glyphColour(1, i); });
    s.AlphaMin = flatSet(GlyphSets::kGlyphCell, GlyphSets::kGlyphCount, [](int i) { return glyphColour(2, i); });
    s.AlphaMaj = flatSet(GlyphSets::kGlyphCell, GlyphSets::kGlyphCount, [](int i) { return glyphColour(3, i); });
    s.Touches = flatSet(GlyphSets::kMarkCell, GlyphSets::kMarkCount, [](int i) { return markColour(i); });
    return s;
}

// Index of the glyph of `style` whose flat colour is `c`, or -1.
inline int glyphAt(const QImage &board, QPoint at, int style)
{
    const QColor c = board.pixelColor(at);
    if (c.red() != 10 * style || c.blue() != 50)
        return -1;
    return c.green() - 100;
}

inline int markAt(const QImage &board, QPoint at)
{
    const QColor c = board.pixelColor(at);
    if (c.red() != 200 || c.blue() != 200)
        return -1;
    return c.green() - 10;
}

// A colour no set uses: where a draw left the ground untouched.
constexpr QRgb kUndrawn = qRgb(1, 2, 3);

// What `set` draws for cell `index`, alone on a cell-sized ground of kUndrawn.
inline QImage drawnCell(const ImageSet &set, int index)
{
    QImage cell(set.cellSize().isValid() ? set.cellSize() : QSize(1, 1), QImage::Format_RGB32);
    cell.fill(kUndrawn);
    QPainter painter(&cell);
    set.draw(painter, index, QPoint(0, 0));
    return cell;
}

// How many cells `set` draws: cells are opaque, so the first index that
// leaves the ground untouched ends the set.
inline int drawnCount(const ImageSet &set)
{
    int count = 0;
    while (count < 1000 && drawnCell(set, count).pixel(0, 0) != kUndrawn)
        ++count;
    return count;
}

} // namespace TestSets
