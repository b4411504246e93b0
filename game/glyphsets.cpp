#include "glyphsets.h"

GlyphSets GlyphSets::fromResources()
{
    GlyphSets sets;
    sets.Alphabet = ImageSet::fromFile(QStringLiteral(":/glyphs/Alphabet.xpm"), kGlyphCell, kGlyphCount);
    sets.AlphaMin = ImageSet::fromFile(QStringLiteral(":/glyphs/AlphaMin.xpm"), kGlyphCell, kGlyphCount);
    sets.AlphaMaj = ImageSet::fromFile(QStringLiteral(":/glyphs/AlphaMaj.xpm"), kGlyphCell, kGlyphCount);
    sets.Touches = ImageSet::fromFile(QStringLiteral(":/marks/Touches.xpm"), kMarkCell, kMarkCount);
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
