#pragma once

#include <QSize>

class QWidget;

// The whole-window magnifier for big screens: a window built at its designed
// pixel size is shown k times larger, every pixel a k x k block, while its
// widgets keep working in their own designed pixels.
namespace Zoom {

inline constexpr int kMin = 1;
inline constexpr int kMax = 4;

// The largest factor at which `window` (its client size) and `frame` (what
// the window manager adds around it) fit in two thirds of `available`, in
// both directions; at least kMin.
int automatic(QSize available, QSize window, QSize frame);

// Shows `window` at `factor` (clamped to kMin..kMax). The first time with a
// factor above 1, its child widgets move into a page drawn through a scaled
// view; at 1 an untouched window stays exactly as it is. The window's fixed
// size follows.
void apply(QWidget *window, int factor);

// The factor `window` is shown at (1 for an untouched one).
int factor(const QWidget *window);

// The window's size in its own designed pixels.
QSize designSize(const QWidget *window);

} // namespace Zoom
