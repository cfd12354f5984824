// The sixteen cues through the page's WebAudio (sound.js): each is decoded
// and its samples handed over the first time it plays.  Browsers allow
// sound only after the player's first key or click; a cue asked for before
// is not heard, but a looped one that should be running then starts, so
// the room's ambience is there.
#pragma once

#include <array>

#include "services/catalogue.h"
#include "services/services.h"

namespace raketa {

class WebSound : public SoundCues {
 public:
  // The catalogue must outlive the sound.
  explicit WebSound(const Catalogue& catalogue);
  void Play(Cue cue) override;
  void Stop(Cue cue) override;

 private:
  void HandOver(Cue cue);

  const Catalogue& catalogue_;
  std::array<bool, kCueCount> handed_{};
};

}  // namespace raketa
