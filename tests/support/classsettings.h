#pragma once

#include "gamesettings.h"

#include <QByteArray>
#include <QString>

// The settings files of a class and of one child's account, and the four
// settings that tell them apart.
namespace ClassSettings {

// "Les premiers pas" (mode 2), print letters, names of 3 to 6 letters.
inline const QByteArray kClass = "2203060110000000000000000000000000000000000";
// Capitals, "Le défi", 1 to 24 letters.
inline const QByteArray kOwn = "3601241110000000000000000000000000000000000";

// Style, mode, shortest and longest name: "2 2 3 6" for kClass.
inline QString text(const GameSettings &s)
{
    return QStringLiteral("%1 %2 %3 %4").arg(s.StyleCaracteres).arg(s.TypeExercice).arg(s.TailleMini).arg(s.TailleMaxi);
}

} // namespace ClassSettings
