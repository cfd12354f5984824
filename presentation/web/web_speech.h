// Speech in the page: the browser's own speech synthesis with a Czech voice
// (speech.js), silent where the browser has none.  The player's choice (F8)
// is kept in the save folder for the next visit.
#pragma once

#include <functional>

#include "services/speech.h"

namespace raketa {

class WebSpeech : public Speech {
 public:
  void Say(const std::string& utf8, Place place, bool yields) override;
  void Yield() override;
  void Interrupt(const std::string& utf8) override;
  bool Speaking() override;
  void Switched(bool on) override;

  // Told when the choice was written, so the save folder is kept.
  std::function<void()> OnSettingWritten;
};

}  // namespace raketa
