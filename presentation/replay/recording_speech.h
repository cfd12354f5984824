// Speech in the replay mode: every sentence the game hands over becomes a
// `say` line of the trace, in the frame that asked for it, and a modelled
// voice (SpeechTimeline) tells when each one starts to sound, and which are
// cut short or never heard.  Its clock is the frame count, a frame period
// each.
#pragma once

#include "presentation/replay/speech_timeline.h"
#include "presentation/replay/trace.h"
#include "services/game_clock.h"
#include "services/speech.h"

namespace raketa {

class RecordingSpeech : public Speech {
 public:
  explicit RecordingSpeech(Trace& trace);
  void Say(const std::string& utf8, Place place, bool yields) override;
  void Yield() override;
  void Interrupt(const std::string& utf8) override;
  bool Speaking() override;
  // The replay leaves the player's settings alone: only --speak decides.
  void Switched(bool /*on*/) override {}

  // Called at the start of every frame: what the voice did meanwhile.
  void Tick();
  const SpeechTimeline::Counts& counts() const { return timeline_.counts(); }
  bool SpeakingWhole() { return timeline_.SpeakingWhole(Now()); }

 private:
  long Now() const { return trace_.Frame() * game_clock::kFrameMs; }

  Trace& trace_;
  SpeechTimeline timeline_;
};

// The start of a text, for the trace's voice lines.
std::string Beginning(const std::string& utf8);

}  // namespace raketa
