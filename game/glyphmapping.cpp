#include "glyphmapping.h"

using namespace GlyphCode;

int glyphIndex(unsigned char byte, int style)
{
    if (byte >= 'a' && byte <= 'z')
        return byte - 'a';
    switch (byte) {
    case ' ': return kBlank;
    case '\'': return kApostrophe;
    case '-': return kHyphen;
    default: break;
    }
    for (const AccentedLetter &a : kAccentedLetters) {
        if (a.byte == byte)
            return style == 3 ? a.base - 'a' : a.index;
    }
    return kBlank;
}
