// A modal box over the game's screen (the error box, the file dialogs): it
// runs its own loop, so no frame and no panel tick runs while it is open.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "presentation/boxes/box_host.h"
#include "presentation/render/raster565.h"

namespace raketa {

class ModalLoop {
 public:
  enum class Reply { Ignored, Changed, Done };

  explicit ModalLoop(BoxHost& host) : host_(host) {}

  // Paints the box over the game's picture with `draw` and feeds the
  // player's keys and text to `handle` until it answers Done.  Returns false
  // when the player closed the window instead.
  bool Run(const std::function<void(Raster565&)>& draw, const std::function<Reply(const BoxEvent&)>& handle);

 private:
  BoxHost& host_;
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
