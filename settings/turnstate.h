#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

// State of the current turn, plus the values kept only for the settings file.
// Cells are numbered 1..4; index 0 of the per-cell arrays is unused.
struct TurnState
{
    std::int32_t NumeroMot = 100;     // current target in Noms
    std::int32_t MotPrecedent = 0;    // excluded from the next draw
    QByteArray NomAffiche;            // target name, code page 1252 bytes
    QByteArray CleImage;              // key of the picture being loaded
    std::uint8_t PositionBonne = 1;   // 1..4
    std::uint8_t ImageCliquee = 0;    // 0 none, 1..4 click waiting for the tick
    std::uint8_t NombreClics = 0;     // clicks judged in this turn
    std::array<bool, 5> DejaClique{}; // [1..4]
    std::uint8_t Serie = 0;           // streak, 0..10; above 10 only while a flash runs
    bool ReponduCeTour = false;
    std::int32_t ReserveA = 0;
    std::int32_t ReserveB = 0;
    std::int32_t ReserveC = 0;
    std::int32_t ReserveD = 0;
    std::array<bool, 24> Marques{}; // Marques[1..24] stored at [0..23]
    bool ParamValide = false;       // last settings dialog closed by confirm

    void clearDejaClique() { DejaClique.fill(false); }
};
