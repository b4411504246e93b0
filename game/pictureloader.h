#pragma once

#include <QImage>
#include <QString>

// Reads one picture file of the board. Only real BMP files are accepted,
// and only up to kMaxSide pixels a side, so that a damaged header cannot
// make the game allocate gigabytes.
namespace PictureLoader {

constexpr int kMaxSide = 1024;

struct Result
{
    QImage image;   // null on failure
    QString error;  // "Ne peut ouvrir le fichier <path>." or "Image bitmap incorrecte."
};

Result load(const QString &path);

} // namespace PictureLoader
