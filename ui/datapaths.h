#pragma once

#include <QString>

// Where the game finds its pictures and keeps its settings file.
//
// Started in a folder whose images/ holds the game's pictures (the build's
// run folder, a copied folder), everything stays in that folder, as it
// always has. Started from
// an installed copy, the pictures are read from the installed data folder
// beside the executable (<prefix>/bin/../share/lecture) and each user's
// settings file lives in that user's own data folder, so that nothing is
// ever written under the installed folders.
namespace DataPaths {

// Empty strings mean the working directory (see Game).
struct Folders
{
    QString workDir;     // holds images/
    QString settingsDir; // holds imolectu.dat
};

// The choice alone, from the three candidate folders, for the tests.
Folders choose(const QString &currentDir, const QString &executableDir, const QString &userDataDir);

// The choice for this run; creates the user's data folder when it is used.
Folders forThisRun();

// The installed data folder that belongs to an executable in `executableDir`.
QString installedDataDir(const QString &executableDir);

} // namespace DataPaths
