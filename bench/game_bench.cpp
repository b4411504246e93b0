// Speed of the turn: the word draw, a whole "Suite", and the floor it is
// measured against (reading and drawing the same four picture files).
#include "fakeservices.h"
#include "game.h"
#include "picturefolder.h"
#include "randomsource.h"
#include "testsets.h"
#include "worddraw.h"

#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

PictureFolder &folder()
{
    static PictureFolder f;
    return f;
}

void BM_DrawTypical(benchmark::State &state)
{
    GameSettings settings;
    RandomSource random;
    std::uint32_t seed = 0;
    for (auto _ : state) {
        random.setSeed(seed += 7919);
        benchmark::DoNotOptimize(WordDraw::draw(random, settings, 100));
    }
}
BENCHMARK(BM_DrawTypical);

void BM_DrawWorstCase(benchmark::State &state)
{
    GameSettings settings;
    settings.TypeExercice = 2;
    settings.TailleMini = 12; // no entry fits: all 30000 attempts
    RandomSource random;
    for (auto _ : state) {
        random.setSeed(12345);
        benchmark::DoNotOptimize(WordDraw::draw(random, settings, 100));
    }
}
BENCHMARK(BM_DrawWorstCase)->Unit(benchmark::kMicrosecond);

void BM_FullTurn(benchmark::State &state)
{
    FakeServices services;
    const GlyphSets sets = TestSets::make();
    Game game(services, sets, {folder().path()});
    game.Init();
    for (auto _ : state) {
        services.clockMs += 7919;
        game.Jeu_Suivant();
    }
}
BENCHMARK(BM_FullTurn)->Unit(benchmark::kMicrosecond);

void BM_BareFourPictures(benchmark::State &state)
{
    QImage board(331, 255, QImage::Format_RGB32);
    const QStringList paths{folder().picturePath("ABEILLE"), folder().picturePath("CANARD"),
                            folder().picturePath("ZEBRE"), folder().picturePath("POMME")};
    for (auto _ : state) {
        QPainter painter(&board);
        int x = 16;
        for (const QString &path : paths) {
            painter.drawImage(QPoint(x, 70), QImage(path));
            x += 78;
        }
    }
}
BENCHMARK(BM_BareFourPictures)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
