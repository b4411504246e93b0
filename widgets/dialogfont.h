#pragma once

#include <QFont>

// The small font of the dialogs and of the main window's hints.
namespace DialogFont {

// At 11 pixels: Wine's "MS Sans Serif" when fonts-wine is installed (same
// metrics as the font the dialogs were laid out for, lines 13 pixels apart),
// else Tahoma, else Liberation Sans. Naming the families costs nothing; the
// font files are registered by load().
QFont font();

// Registers Wine's font files with Qt, once. Slow (fontconfig reads its whole
// configuration), so it waits for the first dialog or hint, which the main
// window does not show at start.
void load();

// True when the font has no bold face and Qt only widens its glyphs for bold.
bool boldNeedsOverstrike(const QFont &font);

} // namespace DialogFont
