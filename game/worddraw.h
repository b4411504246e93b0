#pragma once

#include "gamesettings.h"

#include <QByteArrayView>

class RandomSource;

// The rules that choose the target word of a turn.
namespace WordDraw {

constexpr int kMaxAttempts = 30000;

// Holds one of the fourteen accented letters screened out (code page 1252).
bool hasScreenedAccent(QByteArrayView text);
// Strict consonant/vowel alternation; vowels are a, e, i, o, u, y only.
bool alternates(QByteArrayView noun);

// Whether entry `index` may be the next target under `settings`.
bool accepts(int index, const GameSettings &settings, int motPrecedent);

// Draws candidates until one is accepted or kMaxAttempts were drawn; then
// the last candidate is used as it is.
int draw(RandomSource &random, const GameSettings &settings, int motPrecedent);

} // namespace WordDraw
