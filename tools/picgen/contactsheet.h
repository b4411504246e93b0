#pragma once

#include <QImage>
#include <QList>

struct ManifestRow;

// A review sheet: the generated pictures of `rows` in their order, 16 to a
// row, each magnified by `zoom` with its index and name under it (only its
// place on the sheet, 1 to N, when `blind`, for naming pictures without
// help). Pictures are read from
// imagesDir/KEY.bmp; a missing one leaves its cell grey.
QImage contactSheet(const QList<ManifestRow> &rows, const QString &imagesDir, int zoom, bool blind);
