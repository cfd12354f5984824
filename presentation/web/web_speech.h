// Speech in the page: the browser's own speech synthesis with a Czech voice
// (speech.js), silent where the browser has none; the same sentences as
// text for the page's record and for screen readers (page_controls.js).  The player's choice (F8)
// is kept in the save folder for the next visit.
#pragma once

#include <functional>
#include <string>

#include "services/speech.h"

namespace raketa {

class WebSpeech : public Speech {
 public:
  void Say(const std::string& utf8, Place place, bool yields) override;
  void Yield() override;
  void Interrupt(const std::string& utf8) override;
  bool Speaking() override;
  void Switched(bool on) override;

  // Every sentence of the game goes into the page's record of the game and
  // to screen readers, whether speech is on or off.
  bool ShowsText() const override { return true; }
  void Shown(const std::string& utf8) override;
  // A sentence of an open dialog: to screen readers only (the record keeps
  // the game's text, not the letters of a file name).
  void Announce(const std::string& utf8);

  // Told when the choice was written, so the save folder is kept.
  std::function<void()> OnSettingWritten;
  // The file the player's choice is kept in (see SettingsFile).
  std::string settings;
};

}  // namespace raketa
