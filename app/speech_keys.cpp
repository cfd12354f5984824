#include "app/speech_keys.h"

#include "services/cp1250.h"
#include "world/speaking.h"

namespace raketa {

void SpeechKeys(Game& g) {
  // Once per press: a held key must not switch back and forth.
  if (g.services.keys.KeyPressed(vk::F8)) SwitchSpeech(g);
  if (g.services.keys.KeyPressed(vk::F9)) SayState(g);
  if (g.services.keys.KeyPressed(vk::F12)) {
    const std::string& line = g.Line();
    SayAsked(g, line.empty() ? W("Řádek je prázdný.") : W("Řádek: ") + line);
  }
}

}  // namespace raketa
