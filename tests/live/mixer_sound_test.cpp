// The cues through SDL2_mixer on SDL's dummy audio device: each is decoded
// from its Ogg Vorbis stream when it first plays and is heard at its full
// length in the device's format.
#include "presentation/live/mixer_sound.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdlib>

namespace raketa {
namespace {

// How many voices play a chunk of about `bytes` bytes (within `near`).
int VoicesOf(double bytes, double near) {
  int voices = 0;
  for (int ch = 0; ch < Mix_AllocateChannels(-1); ++ch) {
    const Mix_Chunk* chunk = Mix_Playing(ch) ? Mix_GetChunk(ch) : nullptr;
    if (chunk && std::abs(chunk->alen - bytes) <= near) ++voices;
  }
  return voices;
}

TEST(MixerSound, EveryCueIsDecodedAndPlaysAtItsLength) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
  {
    const Catalogue catalogue = Catalogue::Load();
    MixerSound sound(catalogue);
    ASSERT_TRUE(sound.HasDevice());
    int rate = 0, channels = 0;
    Uint16 format = 0;
    ASSERT_NE(Mix_QuerySpec(&rate, &format, &channels), 0);
    const double frameBytes = channels * SDL_AUDIO_BITSIZE(format) / 8.0;
    EXPECT_EQ(Mix_Playing(-1), 0);
    // The whole cue, resampled to the device's rate (the 11025 Hz siren to
    // twice as many samples), give or take the table's 10 ms.
    auto bytes = [&](Cue cue) { return CueTable(cue).seconds * rate * frameBytes; };
    const double near = 0.011 * rate * frameBytes;
    for (int i = 0; i < kCueCount; ++i) {
      const Cue cue = static_cast<Cue>(i);
      sound.Play(cue);
      EXPECT_GE(VoicesOf(bytes(cue), near), 1) << CueName(cue);
    }
    // A looped cue played again stays on one voice; stopped, it is silent.
    ASSERT_EQ(VoicesOf(bytes(Cue::venku), near), 1);
    sound.Play(Cue::venku);
    EXPECT_EQ(VoicesOf(bytes(Cue::venku), near), 1);
    sound.Stop(Cue::venku);
    EXPECT_EQ(VoicesOf(bytes(Cue::venku), near), 0);
  }
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace
}  // namespace raketa
