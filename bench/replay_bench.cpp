// The replay mode with rendering: bench/scripts/play_10000.replay, ten
// thousand frames of play, run on the real software surface.  The trace
// goes to /dev/null as it would from `raketa --replay SCRIPT > /dev/null`.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "bench/bench_game.h"
#include "app/form_runner.h"
#include "presentation/replay/replay_runner.h"

namespace raketa::bench {
namespace {

class SurfaceScreen : public ReplayScreen {
 public:
  SurfaceScreen(const Catalogue& catalogue, FontSet& fonts) : surface_(catalogue, fonts) {}
  Display& display() override { return surface_; }
  std::uint64_t Screenshot(const std::string&, const CommandLine&) override {
    throw std::runtime_error("no screenshots");
  }

 private:
  SoftwareSurface surface_;
};

void BM_Replay10000Frames(benchmark::State& state) {
  TempDir dir;
  InstallBenchWorld(dir.path());
  WorkingDirectory cwd(dir.path());
  std::ifstream in(RAKETA_BENCH_SCRIPT);
  const std::vector<ReplayDirective> script = ParseReplayScript(in);
  std::unique_ptr<FontSet> fonts = FontSet::Open();
  const Catalogue catalogue = Catalogue::Load();
  std::ofstream trace("/dev/null");
  std::ostringstream err;
  for (auto _ : state) {
    SurfaceScreen screen(catalogue, *fonts);
    ReplayResult result = RunReplay(script, &screen, trace, err, {.game = MakeGame});
    if (result.frames != 10000 || result.exitCode != 0) {
      state.SkipWithError(("the script ran " + std::to_string(result.frames) + " frames: " + err.str()).c_str());
      break;
    }
  }
}
BENCHMARK(BM_Replay10000Frames)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace raketa::bench
