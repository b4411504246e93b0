#include "game.h"

#include "boardlayout.h"
#include "colours.h"
#include "gameservices.h"
#include "glyphmapping.h"
#include "pictureloader.h"
#include "settingsfile.h"
#include "worddraw.h"
#include "wordlist.h"

#include <QDir>
#include <QPainter>

using namespace BoardLayout;

namespace {

constexpr int kStreakOfTen = 10;
constexpr int kFlashCount = 5;
constexpr int kFlashPauseMs = 300;
constexpr int kStreakMark = 4;
constexpr int kTrophyMark = 5;
constexpr int kWrongMark = 0;

} // namespace

Game::Game(GameServices &services, const GlyphSets &sets, GameFolders folders)
    : m_services(services)
    , m_sets(sets)
    , m_folders(std::move(folders))
    , m_board(kWidth, kHeight, QImage::Format_RGB32)
    , m_dirty(m_board.rect())
{
    m_board.fill(Colours::kAqua);
    QPainter p(&m_board);
    p.setPen(Colours::kBlue);
    p.drawRect(0, 0, kWidth - 1, kHeight - 1);
}

QString Game::settingsFilePath() const
{
    const QString &dir = m_folders.settingsDir.isEmpty() ? m_folders.workDir : m_folders.settingsDir;
    return dir.isEmpty() ? SettingsFile::kFileName : QDir(dir).filePath(SettingsFile::kFileName);
}

QString Game::workDirPath() const
{
    return QDir(m_folders.workDir.isEmpty() ? QDir::currentPath() : m_folders.workDir).absolutePath();
}

QString Game::picturePath(const QByteArray &key) const
{
    const QString relative = QStringLiteral("images/") + QString::fromLatin1(key) + QStringLiteral(".bmp");
    return m_folders.workDir.isEmpty() ? relative : QDir(m_folders.workDir).filePath(relative);
}

void Game::setDefaults()
{
    m_settings = GameSettings{};
    const bool paramValide = m_turn.ParamValide;
    m_turn = TurnState{};
    m_turn.ParamValide = paramValide;
}

void Game::Init()
{
    setDefaults();
    const QString load =
        m_folders.startSettings.isEmpty() && !m_folders.locked ? settingsFilePath() : m_folders.startSettings;
    if (!load.isEmpty())
        SettingsFile::ChargeParametres(load, m_settings, m_turn, [this] { m_services.beep(); });
    m_turn.MotPrecedent = m_turn.NumeroMot;
    NouveauMot();
}

bool Game::NouveauMot()
{
    m_random.setSeed(std::uint32_t(m_services.timeOfDayMs()));
    m_turn.NumeroMot = WordDraw::draw(m_random, m_settings, m_turn.MotPrecedent);
    m_turn.NomAffiche = WordList::name(m_turn.NumeroMot);
    m_turn.MotPrecedent = m_turn.NumeroMot;
    if (!MiseAJourImage())
        return false;
    MiseAJourNom();
    return true;
}

bool Game::MiseAJourImage()
{
    std::array<int, 5> table{}; // [1..4]
    m_turn.PositionBonne = std::uint8_t(m_random.next(4) + 1);
    table[m_turn.PositionBonne] = m_turn.NumeroMot;
    for (int p = 1; p <= 4; ++p) {
        int index = m_turn.NumeroMot;
        if (p != m_turn.PositionBonne) {
            do {
                index = int(m_random.next(WordList::kLastDrawable)) + 1;
            } while (std::find(table.begin(), table.end(), index) != table.end());
        }
        table[p] = index;
        m_turn.CleImage = WordList::key(index);
        if (!drawPictureCell(p))
            return false;
    }
    {
        const QSize cell = m_sets.Alphabet.cellSize();
        m_dirty += QRect(wipeGlyphAt(1), wipeGlyphAt(kNameWipeCells) + QPoint(cell.width() - 1, cell.height() - 1));
        QPainter painter(&m_board);
        for (int k = 1; k <= kNameWipeCells; ++k)
            m_sets.Alphabet.draw(painter, GlyphCode::kBlank, wipeGlyphAt(k));
    }
    m_turn.NombreClics = 0;
    if (m_settings.TypeExercice == 1) {
        m_turn.ImageCliquee = m_turn.PositionBonne;
        AfficheResult();
    }
    return true;
}

bool Game::drawPictureCell(int cell)
{
    const PictureLoader::Result picture = PictureLoader::load(picturePath(m_turn.CleImage));
    if (picture.image.isNull()) {
        m_services.boardChanged(std::exchange(m_dirty, QRegion()));
        m_services.showError(picture.error);
        return false;
    }
    const QPoint at = pictureAt(cell);
    m_dirty += QRect(at, picture.image.size());
    QPainter painter(&m_board);
    painter.drawImage(at, picture.image);
    return true;
}

void Game::MiseAJourNom()
{
    const ImageSet *set = m_sets.forStyle(m_settings.StyleCaracteres);
    const QByteArray &name = m_turn.NomAffiche;
    const int length = int(name.size());
    if (set) {
        if (length > 0)
            m_dirty +=
                QRect(glyphAt(1, length),
                      glyphAt(length, length) + QPoint(set->cellSize().width() - 1, set->cellSize().height() - 1));
        QPainter painter(&m_board);
        for (int i = 1; i <= length; ++i) {
            const int index = glyphIndex(static_cast<unsigned char>(name.at(i - 1)), m_settings.StyleCaracteres);
            set->draw(painter, index, glyphAt(i, length));
        }
    }
    m_services.boardChanged(std::exchange(m_dirty, QRegion()));
}

void Game::Efface()
{
    m_dirty += kMarkRow;
    QPainter painter(&m_board);
    painter.fillRect(kMarkRow, Colours::kAqua);
}

void Game::Effacelebas()
{
    m_dirty += kStreakRow;
    QPainter painter(&m_board);
    painter.fillRect(kStreakRow, Colours::kAqua);
}

void Game::clickAt(QPoint boardPos)
{
    const int cell = BoardLayout::cellAt(boardPos);
    if (cell != 0)
        m_turn.ImageCliquee = std::uint8_t(cell);
}

void Game::test_reponse()
{
    if (m_turn.ImageCliquee != 0)
        AfficheResult();
    m_turn.ImageCliquee = 0;
}

void Game::drawMark(int index, QPoint at)
{
    m_dirty += QRect(at, m_sets.Touches.cellSize());
    QPainter painter(&m_board);
    m_sets.Touches.draw(painter, index, at);
}

// Runs nested: the flash of ten pauses in event loops, and "Suite", the
// settings dialog and further ticks (judging clicks on the next board with
// AfficheResult again) all run inside those pauses. So the tail after the
// flash may not assume that the turn, the board or the settings are still
// those of the click it judged, and may not use anything read before it
// (`c`, `right`, the mode); it only writes what holds for whichever turn is
// showing by then: the board is to be repainted, the turn has an answer.
void Game::AfficheResult()
{
    TurnState &t = m_turn;
    const int c = t.ImageCliquee;
    if (c < 1 || c > 4 || t.DejaClique[c] || t.DejaClique[t.PositionBonne])
        return;
    t.DejaClique[c] = true;
    ++t.NombreClics;
    // Taken now: the flash below lets ticks through, and one that found this
    // click still waiting after "Suite" would judge it again on the new board.
    t.ImageCliquee = 0;

    const bool right = c == t.PositionBonne;
    int mark = kWrongMark;
    if (right) {
        // After a turn whose pictures could not all be read the click count
        // carries over; the latest-find face is then the fair mark.
        mark = m_settings.TypeExercice < 4 ? kStreakMark : std::clamp(5 - int(t.NombreClics), 1, 4);
    }
    drawMark(mark, markAt(c));

    if (m_settings.TypeExercice > 4) {
        if (right && t.NombreClics == 1)
            ++t.Serie;
        else if (t.Serie > 0)
            t.Serie = m_settings.TypeExercice == 5 ? t.Serie - 1 : 0;
        Effacelebas();
        if (t.Serie > 0 && t.Serie < kStreakOfTen)
            drawStreak();
        // Exactly ten: in mode 7 a "Suite" during a flash keeps ten, and the
        // next right answer makes eleven, which the running flash resets.
        if (t.Serie == kStreakOfTen)
            flashStreakOfTen();
    }

    t.ImageCliquee = 0;
    m_services.boardChanged(std::exchange(m_dirty, QRegion()));
    t.ReponduCeTour = true;
    t.ReserveA = t.ReserveB = t.ReserveC = 0;
}

void Game::drawStreak()
{
    for (int h = 1; h <= m_turn.Serie; ++h)
        drawMark(kStreakMark, streakTokenAt(h));
}

void Game::flashStreakOfTen()
{
    for (int flash = 0; flash < kFlashCount; ++flash) {
        Effacelebas();
        m_services.boardChanged(std::exchange(m_dirty, QRegion()));
        m_services.pause(kFlashPauseMs);
        // Read the mode afresh: the pause dispatches events, and the settings
        // may have changed meanwhile.
        if (m_settings.TypeExercice == 5) {
            drawMark(kTrophyMark, kPrizeAtModeFive);
        } else {
            for (QPoint at : kPrizesAt)
                drawMark(kTrophyMark, at);
        }
        m_services.boardChanged(std::exchange(m_dirty, QRegion()));
        m_services.pause(kFlashPauseMs);
    }
    m_turn.Serie = 0;
}

void Game::Jeu_Suivant()
{
    TurnState &t = m_turn;
    t.clearDejaClique();
    Efface();
    if (!NouveauMot())
        return;
    if (!t.ReponduCeTour && m_settings.TypeExercice == 5 && t.Serie > 0)
        --t.Serie;
    if (!t.ReponduCeTour && m_settings.TypeExercice == 6)
        t.Serie = 0;
    if (t.Serie == 0)
        Effacelebas();
    t.ReponduCeTour = false;
    m_services.boardChanged(std::exchange(m_dirty, QRegion()));
}

void Game::Reponse()
{
    std::uint8_t &style = m_settings.StyleCaracteres;
    style = style == 1 ? 2 : style == 2 ? 3 : 1;
    MiseAJourNom();
}

void Game::param()
{
    if (!m_turn.ParamValide)
        return;
    Efface();
    Effacelebas();
    m_turn.Serie = 0;
    m_turn.clearDejaClique();
    NouveauMot();
    m_services.boardChanged(std::exchange(m_dirty, QRegion()));
}

void Game::QuitterCejeu()
{
    if (m_folders.locked)
        return;
    SettingsFile::SauveParametres(settingsFilePath(), m_settings, m_turn, [this] { m_services.beep(); });
}
