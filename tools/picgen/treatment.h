#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

// A treatment is a space-separated list of operations applied in order to the
// art (the 58 x 58 square that goes on the card). Coordinates are in that
// square. The set is kept small on purpose:
//
//   plain                  nothing
//   place=X,Y,W            draw the main source as a W x W square at X,Y
//                          (only as the first operation; default 0,0,58)
//   mirror / flip          mirror left-right / upside down
//   hue=DEG                turn every colour's hue by DEG degrees
//   tint=#RRGGBB           recolour: hue and saturation of the colour,
//                          lightness of the art kept
//   gray                   remove colour
//   rotate=DEG             turn the art clockwise about its centre
//   outline=#RRGGBB        a one-pixel ring of the colour round the art, for
//                          pale art that would fade into the white card
//   add=SOURCE@X,Y,W       draw a second source on top, W x W at X,Y
//   under=SOURCE@X,Y,W     the same, behind what is there
struct TreatmentOp
{
    QString name;
    QString argument;
};

struct Treatment
{
    QList<TreatmentOp> ops;
    QString error; // set when the text does not parse; ops is then empty
};

Treatment parseTreatment(const QString &text);

// A "SOURCE@X,Y,W" or "X,Y,W" placement; a null rect when malformed.
QRect parsePlacement(const QString &text, QString *source);

QImage mirrored(const QImage &art, bool horizontal);
QImage hueShifted(const QImage &art, int degrees);
QImage tinted(const QImage &art, const QColor &target);
QImage grayed(const QImage &art);
QImage rotated(const QImage &art, qreal degrees);
QImage outlined(const QImage &art, const QColor &colour);
