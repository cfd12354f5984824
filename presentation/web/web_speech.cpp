#include "presentation/web/web_speech.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include "presentation/boxes/speech_setting.h"

EM_JS(void, raketa_speak, (const char* utf8, int interrupt), {
  Module.raketaSpeech.say(UTF8ToString(utf8), interrupt !== 0);
});

EM_JS(void, raketa_sentence_shown, (const char* utf8, int recorded), {
  Module.raketaControls.sentence(UTF8ToString(utf8), recorded !== 0);
});

namespace raketa {

void WebSpeech::Say(const std::string& utf8) { raketa_speak(utf8.c_str(), 0); }

void WebSpeech::Interrupt(const std::string& utf8) { raketa_speak(utf8.c_str(), 1); }

void WebSpeech::Shown(const std::string& utf8) { raketa_sentence_shown(utf8.c_str(), 1); }

void WebSpeech::Announce(const std::string& utf8) { raketa_sentence_shown(utf8.c_str(), 0); }

void WebSpeech::Switched(bool on) {
  if (WriteSpeechSetting(on) && OnSettingWritten) OnSettingWritten();
}

}  // namespace raketa
