#pragma once

#include "colours.h"

#include <QColor>
#include <QImage>
#include <QRect>

// Every vocabulary picture sits on the same white card so that emoji and our
// own drawings look like one set on the game's aqua board.
namespace Card {

constexpr int kSize = 64;
inline const QColor kBoard = Colours::kAqua;
const QColor kBorder(0, 150, 190);
constexpr qreal kRadius = 6.0;

// Where the art goes, centred on the card, leaving the border free.
constexpr QRect kArtRect(3, 3, 58, 58);

// The 64 x 64 opaque picture: aqua surround, card, and `art` (ARGB) centred
// on kArtRect, shrunk if larger. A null art gives the empty card.
QImage compose(const QImage &art);

// What the game shows when a source is missing or broken: the card with a
// grey question mark, so the build goes on while pictures are being drawn.
QImage placeholder();

} // namespace Card
