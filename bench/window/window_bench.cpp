// Speed of a turn in the real main window, against the floors measured in
// the same run: reading the same picture files and drawing them.
//   BM_Suite        click on "Suite", then the board repainted on screen
//   BM_JudgedClick  press on a picture, timer tick, board repainted
//   BM_BoardRepaint the repaint alone, for the breakdown
//   ...EventLoop    the same two, shown the way the program shows them: the
//                   event loop repaints what the game reported as drawn
//   BM_BareFourPictures  QImage(path) four times, drawn on a 331 x 255 image
//   BM_BareWindowFourPictures  the same, then shown: the bare window's
//                   image repainted, as a plain Qt program would show them
// Run from the game's folder (images/ beside it); the platform is whatever
// QT_QPA_PLATFORM says.
#include "barewindow.h"
#include "boardlayout.h"
#include "game.h"
#include "shownwindow.h"
#include "tcadregeneral.h"
#include "tmonimage.h"
#include "tpixigne.h"
#include "wordlist.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// Counts the board's paint events: the event-loop benchmarks must paint once
// per iteration, or they would time a turn without its repaint.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *watched)
        : m_watched(watched)
    {
        watched->installEventFilter(this);
    }
    ~PaintCounter() override { m_watched->removeEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }

private:
    QWidget *m_watched;
};

QPoint centreOfCell(int cell)
{
    return BoardLayout::pictureCentre(cell);
}

void BM_Suite(benchmark::State &state)
{
    TCadreGeneral &w = shownWindow();
    w.game().settings().TypeExercice = 2;
    const QImage before = w.game().board();
    QTest::mouseClick(w.PixigneOK, Qt::LeftButton);
    if (w.game().board() == before) {
        state.SkipWithError("the click on Suite drew no new turn");
        return;
    }
    for (auto _ : state) {
        QTest::mouseClick(w.PixigneOK, Qt::LeftButton);
        w.board()->repaint();
    }
}
BENCHMARK(BM_Suite)->Unit(benchmark::kMicrosecond);

void BM_SuiteEventLoop(benchmark::State &state)
{
    TCadreGeneral &w = shownWindow();
    w.game().settings().TypeExercice = 2;
    PaintCounter counter(w.board());
    for (auto _ : state) {
        QTest::mouseClick(w.PixigneOK, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    state.counters["paints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SuiteEventLoop)->Unit(benchmark::kMicrosecond);

// Mode 4 marks a face; mode 5 also redraws the streak row.
void BM_JudgedClick(benchmark::State &state)
{
    TCadreGeneral &w = shownWindow();
    Game &game = w.game();
    game.settings().TypeExercice = std::uint8_t(state.range(0));
    w.Jeu_Suivant();
    int cell = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Every click must be judged, and a streak of ten would pause.
        game.turn().clearDejaClique();
        game.turn().Serie = 3;
        cell = cell % 4 + 1;
        state.ResumeTiming();
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfCell(cell));
        w.test_reponse();
        w.board()->repaint();
    }
    if (game.turn().NombreClics == 0)
        state.SkipWithError("no click was judged");
}
BENCHMARK(BM_JudgedClick)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

void BM_JudgedClickEventLoop(benchmark::State &state)
{
    TCadreGeneral &w = shownWindow();
    Game &game = w.game();
    game.settings().TypeExercice = std::uint8_t(state.range(0));
    w.Jeu_Suivant();
    QCoreApplication::processEvents();
    PaintCounter counter(w.board());
    int cell = 0;
    for (auto _ : state) {
        state.PauseTiming();
        game.turn().clearDejaClique();
        game.turn().Serie = 3;
        cell = cell % 4 + 1;
        state.ResumeTiming();
        QTest::mouseClick(w.board(), Qt::LeftButton, {}, centreOfCell(cell));
        w.test_reponse();
        QCoreApplication::processEvents();
    }
    state.counters["paints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_JudgedClickEventLoop)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

void BM_BoardRepaint(benchmark::State &state)
{
    TCadreGeneral &w = shownWindow();
    for (auto _ : state)
        w.board()->repaint();
}
BENCHMARK(BM_BoardRepaint)->Unit(benchmark::kMicrosecond);

// Every drawable picture in turn, so that no file is favoured by a cache.
class PictureCycle
{
public:
    PictureCycle()
    {
        for (int i = WordList::kFirstDrawable; i <= WordList::kLastDrawable; ++i)
            m_paths << QStringLiteral("images/") + QString::fromLatin1(WordList::key(i)) + QStringLiteral(".bmp");
    }
    bool found() const { return !QImage(m_paths.first()).isNull(); }
    void drawFour(QImage &board)
    {
        QPainter painter(&board);
        for (int p = 1; p <= 4; ++p) {
            painter.drawImage(BoardLayout::pictureAt(p), QImage(m_paths.at(m_next)));
            m_next = (m_next + 1) % m_paths.size();
        }
    }

private:
    QStringList m_paths;
    qsizetype m_next = 0;
};

void BM_BareFourPictures(benchmark::State &state)
{
    PictureCycle pictures;
    if (!pictures.found()) {
        state.SkipWithError("no pictures in images/: run from the game's folder");
        return;
    }
    QImage board(331, 255, QImage::Format_RGB32);
    for (auto _ : state)
        pictures.drawFour(board);
}
BENCHMARK(BM_BareFourPictures)->Unit(benchmark::kMicrosecond);

void BM_BareWindowFourPictures(benchmark::State &state)
{
    PictureCycle pictures;
    if (!pictures.found()) {
        state.SkipWithError("no pictures in images/: run from the game's folder");
        return;
    }
    static BareWindow *bare = [] {
        auto *created = new BareWindow;
        created->move(700, 130); // beside the game's window, not over it
        created->show();
        if (!QTest::qWaitForWindowExposed(created))
            qFatal("the bare window was never shown");
        return created;
    }();
    for (auto _ : state) {
        pictures.drawFour(bare->image()->image());
        bare->image()->repaint();
    }
}
BENCHMARK(BM_BareWindowFourPictures)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
