#pragma once

#include <QByteArray>
#include <QImage>

// A strict decoder for the Windows bitmap files of the board. Every header
// field is checked against the bytes actually there before it is used, and
// the picture it returns never carries a colour table: indexed pixels are
// looked up here, once, and an index past the file's table comes out black
// (as the system the game was first written for showed it). So whatever a
// damaged or forged file holds, drawing the result reads only its own pixels.
namespace BmpDecoder {

/* The picture held by the whole file `bytes`: Format_RGB32, or Format_ARGB32
   when the file has an alpha channel. Null when the bytes are not a bitmap,
   are cut off, or a side exceeds `maxSide`. */
QImage decode(const QByteArray &bytes, int maxSide);

} // namespace BmpDecoder
