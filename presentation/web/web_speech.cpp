#include "presentation/web/web_speech.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include "presentation/boxes/speech_setting.h"

EM_JS(void, raketa_say, (const char* utf8, int first, int yields), {
  Module.raketaSpeech.say(UTF8ToString(utf8), first !== 0, yields !== 0);
});
EM_JS(void, raketa_yield_speech, (), { Module.raketaSpeech.yieldToPlayer(); });
EM_JS(void, raketa_interrupt_speech, (const char* utf8), { Module.raketaSpeech.interrupt(UTF8ToString(utf8)); });
EM_JS(int, raketa_speaking, (), { return Module.raketaSpeech.speaking() ? 1 : 0; });

EM_JS(void, raketa_sentence_shown, (const char* utf8, int recorded), {
  Module.raketaControls.sentence(UTF8ToString(utf8), recorded !== 0);
});

namespace raketa {

void WebSpeech::Say(const std::string& utf8, Place place, bool yields) {
  raketa_say(utf8.c_str(), place == Place::First ? 1 : 0, yields ? 1 : 0);
}

void WebSpeech::Yield() { raketa_yield_speech(); }

void WebSpeech::Interrupt(const std::string& utf8) { raketa_interrupt_speech(utf8.c_str()); }

bool WebSpeech::Speaking() { return raketa_speaking() != 0; }

void WebSpeech::Shown(const std::string& utf8) { raketa_sentence_shown(utf8.c_str(), 1); }

void WebSpeech::Announce(const std::string& utf8) { raketa_sentence_shown(utf8.c_str(), 0); }

void WebSpeech::Switched(bool on) {
  if (WriteSpeechSetting(settings, on) && OnSettingWritten) OnSettingWritten();
}

}  // namespace raketa
