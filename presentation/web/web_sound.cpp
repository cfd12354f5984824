#include "presentation/web/web_sound.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

EM_JS(void, raketa_sound_load, (int cue, const std::uint8_t* pcm, int bytes, int rate, int bits, int channels, int looped), {
  Module.raketaSound.load(cue, HEAPU8.slice(pcm, pcm + bytes), rate, bits, channels, looped !== 0);
});

EM_JS(void, raketa_sound_play, (int cue), { Module.raketaSound.play(cue); });

EM_JS(void, raketa_sound_stop, (int cue), { Module.raketaSound.stop(cue); });

namespace raketa {

WebSound::WebSound(const Catalogue& catalogue) {
  for (int i = 0; i < kCueCount; ++i) {
    const Cue cue = static_cast<Cue>(i);
    const DecodedCue& d = catalogue.cue(cue);
    raketa_sound_load(i, d.pcm.data(), static_cast<int>(d.pcm.size()), d.rate, d.bits, d.channels, CueLooped(cue) ? 1 : 0);
  }
}

void WebSound::Play(Cue cue) { raketa_sound_play(static_cast<int>(cue)); }
void WebSound::Stop(Cue cue) { raketa_sound_stop(static_cast<int>(cue)); }

}  // namespace raketa
