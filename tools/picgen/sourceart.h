#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Reads one picture source at the size it will be drawn, so that nothing is
// ever scaled up: emoji PNGs (64 px) are shrunk smoothly, SVGs are rendered
// straight at `size`.
//
// Sources: "noto:CODE" -> DIR/noto/CODE.png, "openmoji:CODE" ->
// DIR/openmoji/CODE.svg, "svg:KEY" -> DIR/svg/KEY.svg, "file:PATH" -> PATH.
// Returns a transparent ARGB image of `size`, or a null image with `error` set.
QImage loadSourceArt(const QString &source, const QString &sourcesDir, QSize size, QString *error);

// The file a source names, whether it exists or not ("" for a bad scheme).
QString sourcePath(const QString &source, const QString &sourcesDir);

// Renders an SVG file into a transparent image of `size`.
QImage renderSvg(const QString &path, QSize size, QString *error);
