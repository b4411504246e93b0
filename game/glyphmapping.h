#pragma once

// Index of the glyph drawn for one code page 1252 byte of a name in a letter
// style (1 joined, 2 print, 3 capitals): letters 0..25, blank 27,
// apostrophe 28, hyphen 29, accented letters 30..43 (base letter in capitals).
// A byte outside the vocabulary's alphabet draws the blank.
int glyphIndex(unsigned char byte, int style);
