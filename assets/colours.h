#pragma once

#include <QColor>

// The two plain colours of the design, each named here only.
namespace Colours {

inline const QColor kAqua(0, 255, 255); // the board's ground and every erase, the dialogs' background
inline const QColor kBlue(0, 0, 255);   // the main window's background and the board's frame

} // namespace Colours
