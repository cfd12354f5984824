// The frame that hands a room text to the live voice: the heaviest frame of
// play with speech on.  The voice synthesises on its own thread through the
// real library and the mixer (SDL's dummy audio driver when no device is
// there), so the frame pays only for building the sentences and queueing
// them; the synthesis of the previous room competes for the processor.
#include <SDL.h>
#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include "bench/bench_game.h"
#include "presentation/live/live_speech.h"

namespace raketa::bench {
namespace {

// The mixer for as long as the benchmark runs.
struct Mixer {
  Mixer() {
    if (SDL_getenv("SDL_AUDIODRIVER") == nullptr) SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    open = SDL_Init(SDL_INIT_AUDIO) == 0 && Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) == 0;
  }
  ~Mixer() {
    if (open) Mix_CloseAudio();
    SDL_Quit();
  }
  bool open = false;
};

void BM_FrameHandingARoomTextToSpeech(benchmark::State& state) {
  Mixer mixer;
  if (!mixer.open) {
    state.SkipWithError("no audio, not even SDL's dummy driver");
    return;
  }
  BenchGame game;
  LiveSpeech speech{""};  // no settings file: nothing is kept
  game.services.speech = &speech;
  game.Enter(5);
  Game& g = game.g;
  g.SpeechOn = true;
  g.World.Room(5).Searched = 1;
  for (auto _ : state) {
    // A new entry into the room: its text is said anew, cutting off the
    // last one, followed by the contents panel.
    g.Spoken.roomTextSaid = false;
    g.NarrationPending = true;
    g.BackgroundPending = true;
    game.runner.Frame();
  }
  benchmark::DoNotOptimize(game.surface.Presented()[0]);
}
BENCHMARK(BM_FrameHandingARoomTextToSpeech)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace raketa::bench
