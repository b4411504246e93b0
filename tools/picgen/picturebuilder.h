#pragma once

#include <QImage>
#include <QStringList>

struct ManifestRow;

// The art of one picture: its source drawn into the art square, then the
// treatment applied. Null, with a warning, when a source or the treatment
// cannot be used.
QImage buildArt(const QString &source, const QString &treatment, const QString &sourcesDir, QStringList *warnings);

// The finished 64 x 64 card for a manifest row; the placeholder card (and a
// warning) when its art cannot be built, so that a picture still being drawn
// never stops the build.
QImage buildPicture(const ManifestRow &row, const QString &sourcesDir, QStringList *warnings);

// 24-bit BMP, the format the game reads.
bool writeBmp(const QImage &picture, const QString &path);
