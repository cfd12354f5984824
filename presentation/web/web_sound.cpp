#include "presentation/web/web_sound.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstdio>

EM_JS(void, raketa_sound_load, (int cue, const std::uint8_t* pcm, int bytes, int rate, int bits, int channels, int looped), {
  Module.raketaSound.load(cue, HEAPU8.slice(pcm, pcm + bytes), rate, bits, channels, looped !== 0);
});

EM_JS(void, raketa_sound_play, (int cue), { Module.raketaSound.play(cue); });

EM_JS(void, raketa_sound_stop, (int cue), { Module.raketaSound.stop(cue); });

namespace raketa {

WebSound::WebSound(const Catalogue& catalogue) : catalogue_(catalogue) {}

// The samples go to the page once, on the cue's first play; the page keeps
// them, the heap lets them go.  A cue that cannot be decoded stays silent.
void WebSound::HandOver(Cue cue) {
  const int i = static_cast<int>(cue);
  if (handed_[i]) return;
  handed_[i] = true;
  DecodedCue d;
  try {
    d = catalogue_.cue(cue);
  } catch (const AssetError& e) {
    std::fprintf(stderr, "raketa: %s\n", e.what());
    return;
  }
  raketa_sound_load(i, d.pcm.data(), static_cast<int>(d.pcm.size()), d.rate, d.bits, d.channels, CueLooped(cue) ? 1 : 0);
}

void WebSound::Play(Cue cue) {
  HandOver(cue);
  raketa_sound_play(static_cast<int>(cue));
}

void WebSound::Stop(Cue cue) { raketa_sound_stop(static_cast<int>(cue)); }

}  // namespace raketa
