#pragma once

#include <QIcon>
#include <QImage>
#include <QRect>
#include <QString>

class QWidget;
class TPixigne;

// The eight pictures that every image button of the program is drawn from.
enum class ButtonPicture { Logo, Quitter, Outils, Aide, Velune, OK, Annul, Croix };

namespace ButtonPictures {

// Width of the raised or sunk edge drawn inside every picture.
inline constexpr int bevelWidth = 2;

// Lower-case file name without extension, e.g. "quitter".
QString name(ButtonPicture which);

// ":/buttons/<name>.png"
QString resourcePath(ButtonPicture which);

// The picture at rest: an 8-bit palette image with its raised bevel.
// A null image if the resource is missing.
QImage released(ButtonPicture which);

// The released picture pushed in: the bevel's light and shadow swapped to
// grey and white, and everything inside the bevel moved one pixel down (the
// top content row is repeated, the bottom one falls off). Palette images stay
// palette images. Pictures too small to hold a bevel come back unchanged.
QImage sunk(const QImage &released);

// Every image button of the program: at `geometry` in `parent`, showing
// `picture` at rest and sunk() while held. An illustration (`sinks` false)
// shows the released picture in both states, so a click never shows.
TPixigne *addButton(QWidget *parent, QRect geometry, ButtonPicture picture, bool sinks = true);

// The program's icon (":/icon/lecture.png"), for its windows; a null icon
// if the resource is missing.
QIcon windowIcon();

} // namespace ButtonPictures
