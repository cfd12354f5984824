// The sound cues through SDL2_mixer: each cue of the catalogue becomes one
// chunk in the device's format, played on as many voices as it needs.
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
  // device, or a cue that cannot be converted, leaves that sound silent.
  explicit MixerSound(const Catalogue& catalogue);
  ~MixerSound() override;
  MixerSound(const MixerSound&) = delete;
  MixerSound& operator=(const MixerSound&) = delete;

  void Play(Cue cue) override;
  void Stop(Cue cue) override;

  bool HasDevice() const { return open_; }

 private:
  void HaltVoicesOf(Mix_Chunk* chunk);

  bool open_ = false;
  std::array<Mix_Chunk*, kCueCount> chunks_{};
  std::array<std::vector<std::uint8_t>, kCueCount> samples_;
};

}  // namespace raketa
