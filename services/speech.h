// Spoken Czech, for a player who cannot see the screen.  The game hands
// over whole sentences in UTF-8; the live backend synthesises and plays
// them, the replay backend writes them into its trace.
#pragma once

#include <string>

namespace raketa {

class Speech {
 public:
  virtual ~Speech() = default;
  // Said once everything asked for before it has been said.
  virtual void Say(const std::string& utf8) = 0;
  // Cuts off what is being said, drops what waits, and says this instead.
  virtual void Interrupt(const std::string& utf8) = 0;
  // The player switched speech on or off; the live game keeps the choice
  // for the next run.
  virtual void Switched(bool on) = 0;

  // A listener that also shows the sentences as text (the web page's record
  // of the game, read by screen readers) wants them whether speech is on or
  // off.  Every sentence then comes to Shown as well, in the same order; the
  // voice still hears only what it says while speech is on.
  virtual bool ShowsText() const { return false; }
  virtual void Shown(const std::string& /*utf8*/) {}
};

}  // namespace raketa
