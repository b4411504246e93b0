#pragma once

#include <cstdint>
#include <utility>

// The six user settings, one byte each, as the settings file stores them.
struct GameSettings
{
    std::uint8_t StyleCaracteres = 1; // 1 joined, 2 print lower-case, 3 capitals
    std::uint8_t TypeExercice = 1;    // 1..6 from the dialog; 7 only from the file
    std::uint8_t TailleMini = 1;      // 1..12, never above TailleMaxi
    std::uint8_t TailleMaxi = 24;     // 1..24 (1..21 once the dialog confirmed)
    bool MotsAccentues = true;
    bool TraitsApparents = true; // carried through, never drawn

    bool operator==(const GameSettings &) const = default;
};

// The bounds on the noun length, as the settings file and the settings
// dialog correct them.
namespace SizeLimits {

constexpr int kMiniAtMost = 12;
constexpr int kMaxiAtMostInFile = 24;
constexpr int kMaxiAtMostInDialog = 21;

// 0 becomes 1, a value above its limit the limit, and a minimum above the
// maximum becomes 1; in that order.
constexpr std::pair<int, int> corrected(int mini, int maxi, int maxiAtMost)
{
    if (mini == 0)
        mini = 1;
    if (mini > kMiniAtMost)
        mini = kMiniAtMost;
    if (maxi == 0)
        maxi = 1;
    if (maxi > maxiAtMost)
        maxi = maxiAtMost;
    if (mini > maxi)
        mini = 1;
    return {mini, maxi};
}

} // namespace SizeLimits
