#pragma once

#include <QPoint>
#include <QRect>

// The board's fixed geometry, in board pixels (origin at its top-left
// corner): where the pictures, the marks, the name and the streak go, what
// each erase covers and where a press counts as a click on a picture. The
// game draws with it; tests, benchmarks and tools find things on the board
// with it.
namespace BoardLayout {

constexpr int kWidth = 331;
constexpr int kHeight = 255;

constexpr int kCells = 4;

// Picture cell p = 1..4: x = 16, 94, 172, 250; y = 70; 64 x 64.
constexpr int kPictureSide = 64;
constexpr int kPictureY = 70;
constexpr int pictureX(int cell)
{
    return 78 * cell - 62;
}
constexpr QPoint pictureAt(int cell)
{
    return {pictureX(cell), kPictureY};
}
constexpr QRect pictureRect(int cell)
{
    return {pictureX(cell), kPictureY, kPictureSide, kPictureSide};
}
constexpr QPoint pictureCentre(int cell)
{
    return pictureAt(cell) + QPoint(kPictureSide / 2, kPictureSide / 2);
}

// The answer mark over cell p: x = 31, 109, 187, 265; y = 30.
constexpr int kMarkY = 30;
constexpr int markX(int cell)
{
    return 78 * cell - 47;
}
constexpr QPoint markAt(int cell)
{
    return {markX(cell), kMarkY};
}

// The name line: character i = 1..length at x = 154 + 12i - 6 length, so
// that the name is centred on x = 166.
constexpr int kNameY = 170;
constexpr int kGlyphPitch = 12;
constexpr QPoint glyphAt(int i, int length)
{
    return {154 + kGlyphPitch * i - 6 * length, kNameY};
}

// Before a new name, 26 blank glyphs wipe the line from x = 10 to 321.
constexpr int kNameWipeCells = 26;
constexpr QPoint wipeGlyphAt(int k)
{
    return {10 + kGlyphPitch * (k - 1), kNameY};
}

// The streak: token h = 1..9 at x = 39, 67, ..., 263; the prize of ten is
// one mark in mode 5, two in the other scored modes.
constexpr int kStreakY = 220;
constexpr int kStreakPitch = 28;
constexpr QPoint streakTokenAt(int h)
{
    return {kStreakPitch * h + 11, kStreakY};
}
constexpr QPoint kPrizeAtModeFive{151, kStreakY};
constexpr QPoint kPrizesAt[2] = {{132, kStreakY}, {172, kStreakY}};

// Erased by Efface (the mark row) and Effacelebas (the streak row); the
// right and bottom edges are exclusive in the design, inclusive in QRect.
constexpr QRect kMarkRow(QPoint(30, 30), QPoint(299, 68));
constexpr QRect kStreakRow(QPoint(30, 220), QPoint(299, 251));

// The picture cell under a press, 1..4, or 0 between and around them: the
// hit test covers exactly the 64 x 64 picture squares.
inline int cellAt(QPoint pos)
{
    for (int p = 1; p <= kCells; ++p) {
        if (pictureRect(p).contains(pos))
            return p;
    }
    return 0;
}

} // namespace BoardLayout
