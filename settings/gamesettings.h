#pragma once

#include <cstdint>

// The six user settings, one byte each, as the settings file stores them.
struct GameSettings
{
    std::uint8_t StyleCaracteres = 1; // 1 joined, 2 print lower-case, 3 capitals
    std::uint8_t TypeExercice = 1;    // 1..6 from the dialog; 7 only from the file
    std::uint8_t TailleMini = 1;      // 1..12, never above TailleMaxi
    std::uint8_t TailleMaxi = 24;     // 1..24 (1..21 once the dialog confirmed)
    bool MotsAccentues = true;
    bool TraitsApparents = true;      // carried through, never drawn

    bool operator==(const GameSettings &) const = default;
};
