// The picture shown while the game stands because its window or page lost
// the keyboard: the presented picture dimmed, with a line that says why.
// It is drawn over what the player sees, never into the game's own surface,
// so the game goes on exactly where it stopped.
#pragma once

#include <cstdint>
#include <vector>

#include "presentation/render/font_set.h"

namespace raketa {

// `rgb565` is a whole 1024 x 768 picture; the result is the same picture
// at half brightness with "Hra stojí – klikni do hry" in the middle.
std::vector<std::uint16_t> StoppedPicture(std::vector<std::uint16_t> rgb565, FontSet& fonts);

class KeptPicture;

// The stopped picture over a backend's kept picture, shown while the game
// stands and taken away when it goes on; nothing before the first frame,
// when there is no game picture yet to dim.
class StoppedNotice {
 public:
  void Show(KeptPicture& screen, bool stopped, bool framesRun);

 private:
  bool shown_ = false;
};

}  // namespace raketa
