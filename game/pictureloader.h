#pragma once

#include <QImage>
#include <QString>

// Reads one picture file of the board with Qt's BMP reader. Only real BMP
// files are accepted, and only up to kMaxSide pixels a side, so that a
// damaged header cannot make the game allocate gigabytes. The path must name
// a regular file: a pipe or a device there is a file that cannot be opened,
// never a wait.
namespace PictureLoader {

constexpr int kMaxSide = 1024;
// Room for the largest picture (32 bits a pixel, the longest headers and a
// full colour table) with a margin; a longer file is refused unread, so that
// run-length data of no end cannot keep a turn reading.
constexpr qint64 kMaxFileBytes = qint64(kMaxSide) * kMaxSide * 4 + qint64(64) * 1024;

struct Result
{
    QImage image;  // null on failure; Format_RGB32, or Format_ARGB32 with alpha
    QString error; // "Ne peut ouvrir le fichier <path>." or "Image bitmap incorrecte."
};

Result load(const QString &path);

} // namespace PictureLoader
