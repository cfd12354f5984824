// The sixteen cues through the page's WebAudio (sound.js): their samples
// are handed over once at start-up.  Browsers allow sound only after the
// player's first key or click; a cue asked for before is not heard, but a
// looped one that should be running then starts, so the room's ambience is
// there.
#pragma once

#include "services/catalogue.h"
#include "services/services.h"

namespace raketa {

class WebSound : public SoundCues {
 public:
  explicit WebSound(const Catalogue& catalogue);
  void Play(Cue cue) override;
  void Stop(Cue cue) override;
};

}  // namespace raketa
