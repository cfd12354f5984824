// Copies of the world taken while the player plays, so that a death can be
// undone: one every ten seconds of play, the last twelve kept (two minutes).
// Time here is play time, counted in play frames; a pause, a dialog or
// another screen does not advance it.
#pragma once

#include <deque>

#include "world/world_record.h"

namespace raketa {

class WorldCopies {
 public:
  static constexpr long kEvery = 250;   // play frames between two copies (10 s)
  static constexpr int kKept = 12;      // two minutes of play
  static constexpr long kBack = 750;    // the first step back after a death (30 s)

  // A new game or a load: the copies belong to another game.
  void Clear();
  // One play frame: the world as it stands is copied every kEvery frames,
  // starting with the first.
  void PlayFrame(const TWorld& world);
  bool Empty() const { return copies_.empty(); }
  // Goes back: the newest copy taken at least kBack frames of play before
  // now, or the oldest when none is that old.  Play time goes back with it,
  // and the copies after it are dropped, so that a second death soon after
  // goes further back.  False when there is no copy.
  bool Back(TWorld& world);

 private:
  struct Copy {
    long frame;
    TWorld world;
  };
  std::deque<Copy> copies_;
  long frame_ = 0;  // play frames since the game began or was loaded
};

}  // namespace raketa
