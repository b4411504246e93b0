#pragma once

#include "gamefolders.h"
#include "gamesettings.h"
#include "glyphsets.h"
#include "randomsource.h"
#include "turnstate.h"

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QString>

#include <utility>

class GameServices;

// The window-free game object: the state of the whole run, the word draw,
// the board and the scoring. The main window owns one, forwards its button
// and timer handlers to it and shows board().
class Game
{
public:
    // The board starts at its first look: aqua with a blue frame.
    Game(GameServices &services, const GlyphSets &sets, GameFolders folders = {});

    // A locked class (see GameFolders).
    bool settingsLocked() const { return m_folders.locked; }

    // Start-up: defaults, settings file over them, first draw.
    void Init();

    // Turn cycle.
    // False when a picture could not be read: the turn stopped there.
    bool NouveauMot();
    void Jeu_Suivant();            // "Suite"
    void Reponse();                // letter-style button
    void test_reponse();           // 100 ms timer tick
    void clickAt(QPoint boardPos); // press on the board: hit test only
    void AfficheResult();
    // After the settings dialog closed: a new turn when ParamValide.
    void param();
    void QuitterCejeu(); // saves the settings file

    // Board operations.
    bool MiseAJourImage();
    void MiseAJourNom();
    void Efface();
    void Effacelebas();

    const QImage &board() const { return m_board; }
    GameSettings &settings() { return m_settings; }
    const GameSettings &settings() const { return m_settings; }
    TurnState &turn() { return m_turn; }
    const TurnState &turn() const { return m_turn; }
    QString settingsFilePath() const;
    // The folder that holds images/, absolute.
    QString workDirPath() const;
    QString picturePath(const QByteArray &key) const;

private:
    // Reads the picture of CleImage into `cell`; false when it cannot be read.
    bool drawPictureCell(int cell);
    void drawMark(int index, QPoint at);
    void drawStreak();
    void flashStreakOfTen();
    void setDefaults();

    GameServices &m_services;
    const GlyphSets &m_sets;
    GameFolders m_folders;
    GameSettings m_settings;
    TurnState m_turn;
    RandomSource m_random;
    QImage m_board;
    QRegion m_dirty;
};
