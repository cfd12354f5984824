// The modal boxes in the window: SDL's events turned into the boxes' own,
// the box's picture shown through the live screen.
#pragma once

#include <SDL.h>

#include "presentation/boxes/box_host.h"
#include "presentation/live/live_screen.h"
#include "services/key_poll.h"

namespace raketa {

// The key a box understands for an SDL key, or BoxKey::Other.
BoxKey BoxKeyOf(SDL_Keycode key);

class LiveBoxes : public BoxHost {
 public:
  LiveBoxes(LiveScreen& screen, KeyPoll& keys) : screen_(screen), keys_(keys) {}

  std::vector<std::uint16_t> Snapshot() override { return screen_.Snapshot(); }
  void ShowModal(const std::vector<std::uint16_t>& rgb565) override { screen_.ShowModal(rgb565); }
  void EndModal() override { screen_.EndModal(); }
  FontSet& Fonts() override { return screen_.Fonts(); }
  // Keys let go still reach the game's key poll (the key that opened the
  // box is let go while it is open), and the window's own keys and events
  // are served here.
  BoxEvent WaitBoxEvent() override;

 private:
  LiveScreen& screen_;
  KeyPoll& keys_;
};

}  // namespace raketa
