#pragma once

#include "gamesettings.h"
#include "turnstate.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The settings file imolectu.dat: a fixed record of 43 one-byte ASCII
// characters carrying the settings and a few turn values between runs.
namespace SettingsFile {

constexpr int kRecordSize = 43;
inline const QString kFileName = QStringLiteral("imolectu.dat");

using Beep = std::function<void()>;

// Decodes `bytes` over the current values. A short record reads as if it
// went on with copies of its last byte; bytes past 42 are ignored; an empty
// record changes nothing. Never fails: every byte decodes to some value.
void decode(const QByteArray &bytes, GameSettings &settings, TurnState &turn);

// The 43 bytes of a save. Limits ReserveC to 99 in `turn` first.
QByteArray encode(const GameSettings &settings, TurnState &turn);

// Reads the file over the current values; beeps once if it cannot be read
// (missing, unreadable, or a pipe, a socket, a device or a folder).
void ChargeParametres(const QString &path, GameSettings &settings, TurnState &turn, const Beep &beep);

// Replaces the file as a whole, never leaving it empty or half-written;
// beeps once if it cannot be written (a file marked read-only, a folder that
// takes no new file, a write that fails, something other than a regular
// file in its place, a loop of links), and the old contents then stay.
void SauveParametres(const QString &path, const GameSettings &settings, TurnState &turn, const Beep &beep);

} // namespace SettingsFile
