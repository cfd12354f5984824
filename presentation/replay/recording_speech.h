// Speech in the replay mode: every sentence the game hands over becomes a
// `say "TEXT"` line of the trace, in the frame that asked for it.
#pragma once

#include "presentation/replay/trace.h"
#include "services/speech.h"

namespace raketa {

class RecordingSpeech : public Speech {
 public:
  explicit RecordingSpeech(Trace& trace) : trace_(trace) {}
  void Say(const std::string& utf8) override;
  void Interrupt(const std::string& utf8) override;
  // The replay leaves the player's settings alone: only --speak decides.
  void Switched(bool /*on*/) override {}

 private:
  Trace& trace_;
};

}  // namespace raketa
