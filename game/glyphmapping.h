#pragma once

// Which glyph of a letter style draws each code page 1252 byte of a name:
// letters 0..25, blank 27, apostrophe 28, hyphen 29, accented letters 30..43
// (their base letter in capitals).
namespace GlyphCode {

constexpr int kBlank = 27;
constexpr int kApostrophe = 28;
constexpr int kHyphen = 29;

struct AccentedLetter
{
    unsigned char byte;
    int index; // own glyph in the lower-case styles
    char base; // letter drawn in capitals
};

// The fourteen accented letters of the vocabulary, in the order of their
// glyphs.
inline constexpr AccentedLetter kAccentedLetters[] = {
    {226, 30, 'a'}, {224, 31, 'a'}, {233, 32, 'e'}, {234, 33, 'e'}, {232, 34, 'e'}, {235, 35, 'e'}, {238, 36, 'i'},
    {239, 37, 'i'}, {244, 38, 'o'}, {246, 39, 'o'}, {251, 40, 'u'}, {249, 41, 'u'}, {252, 42, 'u'}, {231, 43, 'c'},
};

constexpr bool isAccented(unsigned char byte)
{
    for (const AccentedLetter &a : kAccentedLetters) {
        if (a.byte == byte)
            return true;
    }
    return false;
}

} // namespace GlyphCode

// The glyph index of `byte` in `style` (1 joined, 2 print, 3 capitals). A
// byte outside the vocabulary's alphabet draws the blank.
int glyphIndex(unsigned char byte, int style);
