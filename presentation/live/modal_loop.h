// A modal box over the game's screen (the error box, the file dialogs): it
// runs its own event loop, so no frame and no panel tick runs while it is
// open, and it leaves the game's key poll as the keys really are.
#pragma once

#include <SDL.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "services/key_poll.h"
#include "presentation/live/live_screen.h"
#include "presentation/render/raster565.h"

namespace raketa {

class ModalLoop {
 public:
  enum class Reply { Ignored, Changed, Done };

  ModalLoop(LiveScreen& screen, KeyPoll& keys) : screen_(screen), keys_(keys) {}

  // Paints the box over the game's picture with `draw` and feeds key and text
  // events to `handle` until it answers Done.  Returns false when the player
  // closed the window instead.
  bool Run(const std::function<void(Raster565&)>& draw, const std::function<Reply(const SDL_Event&)>& handle);

 private:
  LiveScreen& screen_;
  KeyPoll& keys_;
};

// Drawing helpers shared by the boxes.
namespace modal_look {
constexpr std::uint32_t kText = 0xFFFFFF;
constexpr std::uint32_t kFrame = 0xF0FBFF;
// A filled box with a double frame; returns its inside.
Rect Panel(Raster565& r, Rect box, std::uint32_t fill);
// Code page 1250 text broken at blanks into lines no wider than `width`.
std::vector<std::string> Wrap(FontFace& face, std::string_view text, int width);
}  // namespace modal_look

}  // namespace raketa
