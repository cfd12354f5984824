#include "presentation/replay/recording_speech.h"

namespace raketa {

std::string Beginning(const std::string& utf8) {
  constexpr std::size_t kShown = 24;
  std::size_t characters = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
    if (characters++ == kShown) return utf8.substr(0, i) + "…";
  }
  return utf8;
}

RecordingSpeech::RecordingSpeech(Trace& trace)
    : trace_(trace), timeline_([this](const SpeechTimeline::Event& e) {
        using Kind = SpeechTimeline::Event::Kind;
        switch (e.kind) {
          case Kind::Started: trace_.Event("voice " + Quoted(Beginning(e.text))); break;
          case Kind::Cut:
            trace_.Event("voice cut " + Quoted(Beginning(e.text)) + " " + std::to_string(e.heard) + "/" +
                         std::to_string(e.length));
            break;
          case Kind::Dropped: trace_.Event("voice dropped " + Quoted(Beginning(e.text))); break;
        }
      }) {}

void RecordingSpeech::Say(const std::string& utf8, Place place, bool yields) {
  std::string how = "say ";
  if (place == Place::First) how += "first ";
  if (yields) how += "text ";
  trace_.Event(how + Quoted(utf8));
  timeline_.Say(Now(), utf8, place == Place::First, yields);
}

void RecordingSpeech::Yield() { timeline_.Yield(Now()); }

void RecordingSpeech::Interrupt(const std::string& utf8) {
  trace_.Event("say now " + Quoted(utf8));
  timeline_.Interrupt(Now(), utf8);
}

bool RecordingSpeech::Speaking() { return timeline_.Speaking(Now()); }

void RecordingSpeech::Tick() { timeline_.Advance(Now()); }

}  // namespace raketa
