// The sound cues through SDL2_mixer: each cue of the catalogue is decoded
// the first time it plays and becomes one chunk in the device's format,
// played on as many voices as it needs.  Cues never played take no memory.
// Without an audio device the game simply stays silent.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "services/catalogue.h"
#include "services/services.h"

struct Mix_Chunk;

namespace raketa {

class MixerSound : public SoundCues {
 public:
  // Opens the audio device (the audio subsystem must be initialised); no
  // device, or a cue that cannot be decoded or converted, leaves that sound
  // silent.  The catalogue must outlive the mixer.
  explicit MixerSound(const Catalogue& catalogue);
  ~MixerSound() override;
  MixerSound(const MixerSound&) = delete;
  MixerSound& operator=(const MixerSound&) = delete;

  void Play(Cue cue) override;
  void Stop(Cue cue) override;

  bool HasDevice() const { return open_; }

 private:
  void HaltVoicesOf(Mix_Chunk* chunk);
  // The cue's chunk, made on its first play; null when it stays silent.
  Mix_Chunk* ChunkOf(Cue cue);
  Mix_Chunk* Convert(Cue cue, std::vector<std::uint8_t>& buffer) const;

  const Catalogue& catalogue_;
  bool open_ = false;
  int rate_ = 0;
  int channels_ = 0;
  std::uint16_t format_ = 0;  // SDL_AudioFormat
  std::array<bool, kCueCount> made_{};
  std::array<Mix_Chunk*, kCueCount> chunks_{};
  std::array<std::vector<std::uint8_t>, kCueCount> samples_;
};

}  // namespace raketa
