#pragma once

#include <QPointF>
#include <QSize>

#include <limits>

class QWidget;

// The whole-window magnifier for big screens: a window built at its designed
// pixel size is shown k times larger, every pixel a k x k block, while its
// widgets keep working in their own designed pixels.
namespace Zoom {

inline constexpr int kMin = 1;
// The most the zoom keys give a window; a full screen may give more.
inline constexpr int kMax = 4;

// The largest factor at which `window` (its client size) and `frame` (what
// the window manager adds around it) fit in two thirds of `available`, in
// both directions; at least kMin.
int automatic(QSize available, QSize window, QSize frame);

// Shows `window` at `factor` (at least kMin). The first time with a
// factor above 1, its child widgets move into a page drawn through a scaled
// view; at 1 an untouched window stays exactly as it is. The window's fixed
// size follows.
void apply(QWidget *window, int factor);

// The largest whole factor at which `design` fits in `area` (at least kMin,
// no upper bound): a full screen gives every designed pixel of the window
// the same k x k block, whatever the screen.
int fitting(QSize area, QSize design);

// For applyCentred: the largest factor that fits.
inline constexpr int kLargest = std::numeric_limits<int>::max();

// Shows `window` centred in an `area` of its own size (in window pixels),
// the rest its background colour, as on a full screen, at `wanted` device
// pixels per designed pixel or the largest factor below it that fits and
// that every designed pixel can be pointed at, at least one window pixel.
// Device pixels: on a desktop scaled by 2 a 3840 x 2160 screen gives 7, not
// 2 x 3. Unlike apply, the window's size is left free for the screen to set.
void applyCentred(QWidget *window, int wanted, QSize area);

// The widget that holds the window's children, in designed pixels: the
// window itself until it is first magnified.
QWidget *page(QWidget *window);

// The designed pixel under `at`, a point in the window's own coordinates.
QPoint designedPoint(const QWidget *window, QPointF at);

// The factor `window` is shown at, in whole window pixels per designed
// pixel (1 for an untouched one).
int factor(const QWidget *window);

// The device pixels of its screen per designed pixel of `window`.
int deviceFactor(const QWidget *window);

// The window's size in its own designed pixels.
QSize designSize(const QWidget *window);

} // namespace Zoom
