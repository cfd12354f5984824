// The frames of play on the real software surface.
#include <benchmark/benchmark.h>

#include "bench/bench_game.h"

namespace raketa::bench {
namespace {

// The heaviest frame of play: the background drawn, a room text of 18 rows
// of 60 characters shown whole, the inventory and the room contents panels
// full, the present.
void BM_HeaviestPlayFrame(benchmark::State& state) {
  BenchGame game;
  game.Enter(5);
  game.g.World.Room(5).Searched = 1;
  for (auto _ : state) {
    game.g.NarrationPending = true;
    game.g.BackgroundPending = true;
    game.runner.Frame();
  }
  benchmark::DoNotOptimize(game.surface.Presented()[0]);
}
BENCHMARK(BM_HeaviestPlayFrame)->Unit(benchmark::kMicrosecond);

// A frame of typed narration: one character, the meters' drains, the
// present.  The text starts over whenever it has been typed to the end.
void BM_TypingFrame(benchmark::State& state) {
  BenchGame game;
  game.Enter(1);
  Game& g = game.g;
  for (auto _ : state) {
    if (!g.NarrationPending) {
      state.PauseTiming();
      g.World.Room(1).FirstVisit = 1;
      g.RoomTextFile.Reset();
      g.TextCursorX = g.TextCursorY = 10;
      g.NarrationPending = true;
      state.ResumeTiming();
    }
    game.runner.Frame();
  }
}
BENCHMARK(BM_TypingFrame)->Unit(benchmark::kMicrosecond);

// One tick of the meter panel (every 10 ms), with the suit's oxygen and
// the countdown showing: the most it ever draws.
void BM_PanelTick(benchmark::State& state) {
  BenchGame game;
  game.Enter(5);
  game.g.World.CablesRepaired = 1;
  for (auto _ : state) game.runner.PanelTick();
  benchmark::DoNotOptimize(game.surface.Back()[0]);
}
BENCHMARK(BM_PanelTick)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace raketa::bench
