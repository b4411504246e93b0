#include "glyphsets.h"

GlyphSets GlyphSets::fromResources()
{
    GlyphSets sets;
    sets.Alphabet = ImageSet::fromFile(QStringLiteral(":/glyphs/Alphabet.png"), kGlyphCell, kGlyphCount);
    sets.AlphaMin = ImageSet::fromFile(QStringLiteral(":/glyphs/AlphaMin.png"), kGlyphCell, kGlyphCount);
    sets.AlphaMaj = ImageSet::fromFile(QStringLiteral(":/glyphs/AlphaMaj.png"), kGlyphCell, kGlyphCount);
    sets.Touches = ImageSet::fromFile(QStringLiteral(":/marks/Touches.png"), kMarkCell, kMarkCount);
    return sets;
}

const ImageSet *GlyphSets::forStyle(int style) const
{
    switch (style) {
    case 1: return &Alphabet;
    case 2: return &AlphaMin;
    case 3: return &AlphaMaj;
    default: return nullptr;
    }
}
