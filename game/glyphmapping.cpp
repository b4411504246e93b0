#include "glyphmapping.h"

namespace {

struct Accented
{
    unsigned char byte;
    int index; // own glyph in the lower-case styles
    char base; // letter drawn in capitals
};

// Slot order of the accented glyphs.
constexpr Accented kAccented[] = {
    {226, 30, 'a'}, {224, 31, 'a'}, {233, 32, 'e'}, {234, 33, 'e'}, {232, 34, 'e'},
    {235, 35, 'e'}, {238, 36, 'i'}, {239, 37, 'i'}, {244, 38, 'o'}, {246, 39, 'o'},
    {251, 40, 'u'}, {249, 41, 'u'}, {252, 42, 'u'}, {231, 43, 'c'},
};

constexpr int kBlank = 27;

} // namespace

int glyphIndex(unsigned char byte, int style)
{
    if (byte >= 'a' && byte <= 'z')
        return byte - 'a';
    switch (byte) {
    case ' ': return kBlank;
    case '\'': return 28;
    case '-': return 29;
    default: break;
    }
    for (const Accented &a : kAccented) {
        if (a.byte == byte)
            return style == 3 ? a.base - 'a' : a.index;
    }
    return kBlank;
}
