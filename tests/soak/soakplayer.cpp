#include "soakplayer.h"

#include "boardlayout.h"
#include "boardprobe.h"
#include "picturefolder.h"
#include "settingsfile.h"

#include <QDir>
#include <QFile>

#include <algorithm>

SoakPlayer::SoakPlayer(const QString &folder, quint32 seed)
    : m_folder(folder)
    , m_rng(seed)
{
    m_services.duringPause = [this](int) { actDuringFlash(); };
    restart(false);
}

bool SoakPlayer::check(bool condition, const char *what)
{
    if (!condition && failure.isEmpty())
        failure = QStringLiteral("after %1: %2").arg(QLatin1String(m_action), QLatin1String(what));
    return condition;
}

bool SoakPlayer::step()
{
    m_services.clockMs = (m_services.clockMs + 1 + int(m_rng.bounded(5000))) % 86400000;
    // Weights out of 1000. "Suite" comes mostly once the picture is found,
    // as a child plays; a turn skipped unanswered is rarer.
    const bool found = m_game->turn().DejaClique[m_game->turn().PositionBonne];
    int r = int(m_rng.bounded(1000));
    const auto take = [&r](int weight) {
        r -= weight;
        return r < 0;
    };
    if (take(250)) {
        clickPicture();
    } else if (take(80)) {
        clickOutside();
    } else if (take(found ? 250 : 30)) {
        suite();
    } else if (take(40)) {
        m_action = "style button";
        m_game->Reponse();
    } else if (take(15)) {
        confirmSettings();
    } else if (take(25)) {
        cancelSettings();
    } else if (take(5)) {
        restart(m_rng.bounded(2) == 0);
    } else {
        m_action = "tick";
        m_game->test_reponse();
    }
    ++modeSteps[std::clamp(int(m_game->settings().TypeExercice), 0, 7)];
    return failure.isEmpty() && checkTurn();
}

// Quit by the quit button, then start again from the file it wrote; an old
// file may carry mode 7, which no dialog offers.
void SoakPlayer::restart(bool mode7InFile)
{
    m_action = "restart";
    const QString path = QDir(m_folder).filePath(SettingsFile::kFileName);
    GameSettings saved;
    const int beeps = m_services.beeps;
    if (m_game) {
        m_game->QuitterCejeu();
        check(m_services.beeps == beeps, "the save beeped");
        saved = m_game->settings();
        if (mode7InFile) {
            QFile file(path);
            QByteArray record = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            check(record.size() == SettingsFile::kRecordSize, "the saved record is not 43 bytes");
            record[1] = '7';
            saved.TypeExercice = 7;
            QFile out(path);
            check(out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(record) == record.size(),
                  "could not put mode 7 in the file");
        }
    }
    // Every stored value's round trip through the file is the settings
    // file test's; here, that a restart carries the settings on.
    const bool firstRun = !m_game;
    m_game = std::make_unique<Game>(m_services, m_sets, GameFolders{m_folder});
    m_game->Init();
    ++m_turns;
    if (firstRun)
        return;
    check(m_services.beeps == beeps, "the load beeped");
    check(m_game->settings() == saved, "the settings changed across a restart");
    check(m_game->turn().Serie == 0, "the streak survived a restart");
}

void SoakPlayer::suite()
{
    m_action = "Suite";
    m_game->Jeu_Suivant();
    ++m_turns;
}

void SoakPlayer::clickPicture()
{
    m_action = "click on a picture";
    // Mostly a child who reads the name and finds it, so streaks of ten happen.
    const int cell = m_rng.bounded(5) ? m_game->turn().PositionBonne : int(m_rng.bounded(4)) + 1;
    m_game->clickAt(BoardLayout::pictureAt(cell) + QPoint(int(m_rng.bounded(64)), int(m_rng.bounded(64))));
}

void SoakPlayer::clickOutside()
{
    m_action = "click outside the pictures";
    QPoint at;
    do {
        at = QPoint(int(m_rng.bounded(BoardLayout::kWidth)), int(m_rng.bounded(BoardLayout::kHeight)));
    } while (BoardLayout::cellAt(at) != 0);
    m_game->clickAt(at);
}

// The values the settings dialog can give when confirmed. It shows mode 7
// as its last item, so confirming it unchanged gives mode 6.
void SoakPlayer::confirmSettings()
{
    m_action = "settings confirmed";
    GameSettings &s = m_game->settings();
    s.StyleCaracteres = std::uint8_t(m_rng.bounded(1, 4));
    s.TypeExercice = m_rng.bounded(2) ? std::min<std::uint8_t>(s.TypeExercice, 6) : std::uint8_t(m_rng.bounded(1, 7));
    s.MotsAccentues = m_rng.bounded(2);
    s.TraitsApparents = m_rng.bounded(2);
    s.TailleMaxi = std::uint8_t(m_rng.bounded(1, 22));
    s.TailleMini = std::uint8_t(m_rng.bounded(1, std::min(12, int(s.TailleMaxi)) + 1));
    m_game->turn().ParamValide = true;
    m_game->param();
    ++m_turns;
    check(m_game->turn().Serie == 0, "confirmed settings kept the streak");
}

void SoakPlayer::cancelSettings()
{
    m_action = "settings cancelled";
    const QImage board = m_game->board();
    const GameSettings settings = m_game->settings();
    const TurnState turn = m_game->turn();
    m_game->turn().ParamValide = false;
    m_game->param();
    const TurnState &t = m_game->turn();
    check(m_game->board() == board && m_game->settings() == settings && t.NumeroMot == turn.NumeroMot
              && t.DejaClique == turn.DejaClique && t.NombreClics == turn.NombreClics && t.Serie == turn.Serie,
          "cancelled settings changed the game");
}

// The streak flash lets events through: now and then the child goes on
// meanwhile (the state is mid-evaluation, so nothing is checked here).
void SoakPlayer::actDuringFlash()
{
    switch (m_rng.bounded(12)) {
    case 0: suite(); break;
    case 1:
        m_game->clickAt(BoardLayout::pictureCentre(m_game->turn().PositionBonne));
        m_game->test_reponse();
        break;
    default: break;
    }
}

bool SoakPlayer::checkTurn()
{
    const TurnState &t = m_game->turn();
    const QImage &board = m_game->board();
    if (m_recordTurn != m_turns) {
        m_record = TurnRecord{};
        m_recordTurn = m_turns;
    }
    if (!check(t.NumeroMot >= 1 && t.NumeroMot <= 607 && t.PositionBonne >= 1 && t.PositionBonne <= 4,
               "target or its cell out of range"))
        return false;

    std::array<int, 4> cells{};
    for (int p = 1; p <= 4; ++p)
        cells[p - 1] = BoardProbe::pictureIn(board, p);
    check(cells[t.PositionBonne - 1] == t.NumeroMot, "the target's cell shows another picture");
    check(std::count(cells.begin(), cells.end(), t.NumeroMot) == 1, "the target is in more than one cell");
    std::array<int, 4> sorted = cells;
    std::sort(sorted.begin(), sorted.end());
    check(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end(), "two cells show the same picture");
    check(sorted.front() >= 1 && sorted.back() <= 607, "a cell shows no picture of the list");

    const auto judged = std::count(t.DejaClique.begin() + 1, t.DejaClique.end(), true);
    check(t.NombreClics == judged, "the click count differs from the judged cells");
    for (int c = 1; c <= 4; ++c) {
        const int mark = BoardProbe::markOver(board, c);
        if (!t.DejaClique[c]) {
            check(mark == -1, "a mark over a cell not judged");
            continue;
        }
        check(mark >= 0, "a judged cell without its mark");
        if (m_record.marks[c] == -1)
            m_record.marks[c] = mark;
        check(m_record.marks[c] == mark, "a cell judged twice in one turn");
    }
    if (t.DejaClique[t.PositionBonne]) {
        if (m_record.clicksWhenFound == -1)
            m_record.clicksWhenFound = t.NombreClics;
        check(t.NombreClics == m_record.clicksWhenFound, "a click judged after the target was found");
    }

    const int mode = m_game->settings().TypeExercice;
    check(t.Serie <= 10, "the streak left 0..10");
    check(mode > 4 || t.Serie == 0, "a streak outside the scored modes");
    return failure.isEmpty();
}
