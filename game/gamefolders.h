#pragma once

#include <QString>

// Where a run finds its pictures and keeps its settings file. Empty strings
// mean the current working directory.
struct GameFolders
{
    QString workDir = {};     // holds images/ and, unless settingsDir is given, imolectu.dat
    QString settingsDir = {}; // holds imolectu.dat
    // Read at start-up instead of the file in settingsDir, which the quit
    // button still writes.
    QString startSettings = {};
    // An administrator's lock: only startSettings is read (nothing when it
    // is empty: the defaults stay) and the quit button writes no file.
    bool locked = false;
};
