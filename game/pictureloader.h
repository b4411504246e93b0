#pragma once

#include <QImage>
#include <QString>

// Reads one picture file of the board. Only real BMP files are accepted,
// and only up to kMaxSide pixels a side, so that a damaged header cannot
// make the game allocate gigabytes. The path must name a regular file: a
// pipe or a device there is a file that cannot be opened, never a wait.
namespace PictureLoader {

constexpr int kMaxSide = 1024;
// Room for the largest picture (32 bits a pixel, the longest headers and a
// full colour table) with a wide margin; a longer file is refused unread.
constexpr qint64 kMaxFileBytes = qint64(16) * 1024 * 1024;

struct Result
{
    QImage image;  // null on failure
    QString error; // "Ne peut ouvrir le fichier <path>." or "Image bitmap incorrecte."
};

Result load(const QString &path);

} // namespace PictureLoader
