// What the streak flash's pause costs: the real window's pause(300), with
// the board and the 100 ms timer running as in a game. Wall time should be
// just over 300 ms and CPU time a small part of it (the core sleeps while it
// waits). The window test checks that the pause waits for events instead of
// spinning; this measures how much CPU the wait takes on this machine.
// Run from the game's folder (images/ beside it), like window_bench.
#include "shownwindow.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_FlashPause(benchmark::State &state)
{
    TCadreGeneral &window = shownWindow();
    for (auto _ : state)
        window.services().pause(int(state.range(0)));
}
BENCHMARK(BM_FlashPause)->Arg(300)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
