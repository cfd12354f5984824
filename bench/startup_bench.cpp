// Start-up of the replay mode inside the process: the typeface opened, the
// four pictures decoded and the cues' headers read, the game created and its
// first frame drawn.  (Process start and loading of the libraries come on top; hyperfine
// on `raketa --replay` measures the whole, see docs/performance.md.)
#include <benchmark/benchmark.h>

#include "bench/bench_game.h"
#include "services/game_seat.h"

namespace raketa::bench {
namespace {

void BM_StartUpToFirstFrame(benchmark::State& state) {
  TempDir dir;
  InstallBenchWorld(dir.path());
  WorkingDirectory cwd(dir.path());
  for (auto _ : state) {
    std::unique_ptr<FontSet> fonts = FontSet::Open();
    Catalogue catalogue = Catalogue::Load();
    SoftwareSurface surface(catalogue, *fonts);
    HeadlessServices headless(surface);
    FormRunner runner(headless.services);
    SeatGame(headless.services, runner, false);
    runner.Start();
    runner.Frame();
    benchmark::DoNotOptimize(surface.Presented()[0]);
  }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond);

// Two parts of it: the built-in typeface, read from memory (its glyphs are
// drawn when first used), and the decoding of the pictures, the larger part.
void BM_FontSetOpen(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(FontSet::Open());
}
BENCHMARK(BM_FontSetOpen)->Unit(benchmark::kMillisecond);

void BM_CatalogueLoad(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Catalogue::Load());
}
BENCHMARK(BM_CatalogueLoad)->Unit(benchmark::kMillisecond);

// A cue decoded on its first play, on the game's thread: the longest one,
// the wind outside (8.79 s), and the typewriter's click.
void BM_CueFirstPlayDecode(benchmark::State& state) {
  const Catalogue catalogue = Catalogue::Load();
  const Cue cue = static_cast<Cue>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(catalogue.cue(cue));
  state.SetLabel(CueName(cue));
}
BENCHMARK(BM_CueFirstPlayDecode)
    ->Arg(static_cast<int>(Cue::venku))
    ->Arg(static_cast<int>(Cue::klik))
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace raketa::bench
