// Spoken Czech, for a player who cannot see the screen.  The game hands
// over whole sentences in UTF-8; the live backend synthesises and plays
// them, the web page has the browser say them, the replay backend writes
// them into its trace and times them as a voice would.
//
// Speech yields to the player: a room text (and the panels read with it) is
// said only while the player does nothing; a key press ends it at the end of
// the word being said, and what the player asked for is said at once.
#pragma once

#include <string>

namespace raketa {

class Speech {
 public:
  enum class Place {
    Last,   // once everything asked for before it has been said
    First,  // before anything waiting (after earlier First ones); a
            // yielding text being said ends at the end of its word
  };

  virtual ~Speech() = default;
  // `yields`: a room text or a panel, which Yield() ends; anything else is
  // said whole.
  virtual void Say(const std::string& utf8, Place place, bool yields) = 0;
  // The player pressed a key: the yielding text being said ends at the end
  // of its word, and the yielding texts waiting are dropped.
  virtual void Yield() = 0;
  // Cuts off everything at once and says this instead (speech switched off).
  virtual void Interrupt(const std::string& utf8) = 0;
  // Whether something is being said or waits to be.
  virtual bool Speaking() = 0;
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
