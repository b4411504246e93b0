#pragma once

#include "boardlayout.h"
#include "picturefolder.h"
#include "testsets.h"

#include <QImage>
#include <QPoint>

// Reads the board as the child sees it, with the test pictures and image
// sets: which picture sits in a cell, which mark stands over it.
namespace BoardProbe {

// Entry index of the test picture shown in `cell`, or -1.
inline int pictureIn(const QImage &board, int cell)
{
    return PictureFolder::indexOf(board.pixelColor(BoardLayout::pictureCentre(cell)));
}

// The mark over `cell`, or -1 when there is none.
inline int markOver(const QImage &board, int cell)
{
    return TestSets::markAt(board, BoardLayout::markAt(cell) + QPoint(16, 15));
}

// Streak tokens shown from the left, counted up to 10 so that a token drawn
// at a place the streak never reaches is seen.
inline int tokens(const QImage &board)
{
    int n = 0;
    while (n < 10 && TestSets::markAt(board, BoardLayout::streakTokenAt(n + 1) + QPoint(20, 16)) == 4)
        ++n;
    return n;
}

} // namespace BoardProbe
