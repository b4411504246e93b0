#pragma once

#include "imageset.h"

// The four fixed image sets of the main window: three letter styles and the
// answer marks. Loaded once from the program's resources.
struct GlyphSets
{
    static constexpr QSize kGlyphCell{12, 29};
    static constexpr int kGlyphCount = 44;
    static constexpr QSize kMarkCell{33, 32};
    static constexpr int kMarkCount = 6;

    ImageSet Alphabet; // style 1, joined handwriting; its blank wipes the name line
    ImageSet AlphaMin; // style 2, print lower-case
    ImageSet AlphaMaj; // style 3, capitals
    ImageSet Touches;  // answer marks 0..5

    // From ":/glyphs/Alphabet.png", ":/glyphs/AlphaMin.png",
    // ":/glyphs/AlphaMaj.png" and ":/marks/Touches.png".
    static GlyphSets fromResources();

    // The glyph set of a letter style, or nullptr for any other value.
    const ImageSet *forStyle(int style) const;
};
