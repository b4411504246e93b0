#include "worddraw.h"

#include "glyphmapping.h"
#include "randomsource.h"
#include "wordlist.h"

namespace WordDraw {

bool hasScreenedAccent(QByteArrayView text)
{
    for (char c : text) {
        if (GlyphCode::isAccented(static_cast<unsigned char>(c)))
            return true;
    }
    return false;
}

static bool isVowel(char c)
{
    switch (c) {
    case 'a':
    case 'e':
    case 'i':
    case 'o':
    case 'u':
    case 'y': return true;
    default: return false;
    }
}

bool alternates(QByteArrayView noun)
{
    if (noun.isEmpty())
        return true;
    bool expectVowel = isVowel(noun.at(0));
    for (char c : noun) {
        if (isVowel(c) != expectVowel)
            return false;
        expectVowel = !expectVowel;
    }
    return true;
}

bool accepts(int index, const GameSettings &settings, int motPrecedent)
{
    // Every rule is a pure test, so the first refusal decides.
    const QByteArrayView name = WordList::nameView(index);
    const int n = WordList::nounLength(name);
    if (n < settings.TailleMini || n > settings.TailleMaxi)
        return false;
    if ((index == WordList::kMinitel || index == WordList::kTourEiffel) && settings.StyleCaracteres < 3)
        return false;
    if (index == motPrecedent)
        return false;
    const bool firstSteps = settings.TypeExercice == 2;
    if ((!settings.MotsAccentues || firstSteps) && hasScreenedAccent(name))
        return false;
    if (firstSteps) {
        const QByteArrayView noun = n > 0 ? name.last(n) : QByteArrayView();
        if (noun.contains(' ') || noun.contains('\'') || noun.contains('-') || !alternates(noun))
            return false;
    }
    return true;
}

int draw(RandomSource &random, const GameSettings &settings, int motPrecedent)
{
    int index = 0;
    int count = 0;
    bool accepted = false;
    while (!accepted && count < kMaxAttempts) {
        ++count;
        index = int(random.next(WordList::kLastDrawable)) + 1;
        accepted = accepts(index, settings, motPrecedent);
    }
    return index;
}

} // namespace WordDraw
