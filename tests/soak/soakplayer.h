#pragma once

#include "fakeservices.h"
#include "game.h"
#include "testsets.h"

#include <QRandomGenerator>
#include <QString>

#include <array>
#include <memory>

// What has been seen of the current turn, to catch a cell judged twice or a
// click judged after the target was found.
struct TurnRecord
{
    std::array<int, 5> marks{-1, -1, -1, -1, -1}; // first mark seen over each judged cell
    int clicksWhenFound = -1;
};

// A child at the keyboard for hours: one random action per step.
class SoakPlayer
{
public:
    SoakPlayer(const QString &folder, quint32 seed);

    // One action, then every invariant; false with `failure` set when one broke.
    bool step();
    QString failure;
    int modeSteps[8] = {};
    int flashes() const { return m_services.pauses / 10; }

private:
    void restart(bool mode7InFile);
    void suite();
    void clickPicture();
    void clickOutside();
    void confirmSettings();
    void cancelSettings();
    void actDuringFlash();
    bool check(bool condition, const char *what);
    bool checkTurn();

    QString m_folder;
    QRandomGenerator m_rng;
    FakeServices m_services;
    GlyphSets m_sets = TestSets::make();
    std::unique_ptr<Game> m_game;
    int m_turns = 0;
    int m_recordTurn = -1;
    TurnRecord m_record;
    const char *m_action = "start";
};
