#pragma once

#include <QImage>
#include <QString>

// Reads one of the program's own images (":/..."), its format known from its
// name. Qt's plain QImage(path) first asks every installed image plugin
// whether it can read the file, and so loads them all (SVG with the Qt SVG
// library, JPEG, GIF, ICO) into a program that reads only its own images: a
// sizeable part of our start-up time and memory.
namespace AssetImage {

/* The format is the file's suffix ("png", "xpm"); a null image when the
   file cannot be opened or is not in that format. */
QImage read(const QString &path);

} // namespace AssetImage
