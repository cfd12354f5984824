#include "presentation/replay/recording_speech.h"

namespace raketa {

void RecordingSpeech::Say(const std::string& utf8) { trace_.Event("say " + Quoted(utf8)); }

// What is cut off cannot be heard in a trace; the new text is all it shows.
void RecordingSpeech::Interrupt(const std::string& utf8) { trace_.Event("say " + Quoted(utf8)); }

}  // namespace raketa
