#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The game's fixed vocabulary: 609 entries "name/KEY" in code page 1252.
// Indices matter (the draw excludes two by index, the settings file stores
// one), so the order is part of the contract. Entry 608 is empty.
namespace WordList {

constexpr int kCount = 609;
constexpr int kFirstDrawable = 1; // entry 0, "le a", is never drawn
constexpr int kLastDrawable = 607;
constexpr int kMinitel = 351; // excluded from the lower-case styles
constexpr int kTourEiffel = 565;

extern const char *const Noms[kCount];

/* 0 <= index < kCount for all three. */
QByteArray entry(int index);
QByteArray name(int index);         // text before the first slash
QByteArrayView nameView(int index); // the same, without a copy (for the draw's hot loop)
QByteArray key(int index);          // at most 8 characters after the first slash

// Length in bytes of the noun of a name: after "l'" when the apostrophe is
// the second character, else after the first space.
int nounLength(QByteArrayView name);

} // namespace WordList
