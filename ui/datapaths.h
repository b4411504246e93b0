#pragma once

#include "gamefolders.h"

#include <QString>

#include <optional>

// Where the game finds its pictures and keeps its settings file.
//
// Started in a folder whose images/ holds the game's pictures (the build's
// run folder, a copied or unpacked folder), everything stays in that folder,
// as it always has. Started from an installed copy, the pictures are read
// from the installed data folder and each user's settings file lives in that
// user's own data folder (~/.local/share/Lecture, %APPDATA%\Lecture), so
// that nothing is ever written under the installed folders, even when the
// game is started in its installed folder, as the Windows menu entry does.
// A user of an installed copy who has no settings file yet starts from the
// class default that an administrator may have placed in a system
// configuration folder (/etc/xdg/lecture/imolectu.dat,
// C:\ProgramData\lecture\imolectu.dat); the user's own file is still the one
// the quit button writes.
namespace DataPaths {

// How an installed copy is laid out: under a prefix, the program in
// <prefix>/games and its pictures in <prefix>/share/lecture, as Debian
// installs it; or by a Windows installer (the setup or the MSI package),
// the program, images/ and the installer's INSTALLED-FILES.txt side by side
// in one folder.
enum class Layout { Prefix, Installer };

// The layout of this system's installed copies.
Layout nativeLayout();

// The choice alone, from the three candidate folders, for the tests.
GameFolders choose(const QString &currentDir, const QString &executableDir, const QString &userDataDir,
                   Layout layout = nativeLayout());

// The file to read at start-up for a user whose own file is `userFile`:
// that file once it exists, else the first lecture/imolectu.dat of
// `systemConfigDirs`, else `userFile` again (its load then fails as always).
QString settingsToLoad(const QString &userFile, const QStringList &systemConfigDirs);

// The lock a class may be given: a file named "verrou" (any content) in the
// first lecture/ of `systemConfigDirs` that has one. None when there is
// none, else the class default beside it, empty when there is no such file.
std::optional<QString> lockedSettings(const QStringList &systemConfigDirs);

// The system configuration folders, without the user's own
// ($XDG_CONFIG_DIRS, /etc/xdg by default).
QStringList systemConfigDirs();

// The choice for this run; creates the user's data folder when it is used.
GameFolders forThisRun();

// The publisher's program "velune.exe" installed with the game: looked for
// only in `gameDir`, the folder that holds the game's pictures, and empty
// when that folder holds none of them or no such file. Never the folder the
// game was merely started from, where any file of that name could be.
QString publisherProgram(const QString &gameDir);

// The installed data folder that belongs to an executable in
// `executableDir`; empty when, by `layout`, that executable cannot be an
// installed copy.
QString installedDataDir(const QString &executableDir, Layout layout = nativeLayout());

} // namespace DataPaths
