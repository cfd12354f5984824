// The modal boxes on the page: the page's key events turned into the boxes'
// own, the box's picture shown on the canvas.  While a box is open the game
// sleeps in here between the browser's events.
#pragma once

#include <functional>

#include "presentation/boxes/box_host.h"
#include "presentation/render/kept_picture.h"
#include "presentation/web/web_input.h"

namespace raketa {

class WebBoxes : public BoxHost {
 public:
  // Events a box has no use for (keys let go, focus, the page hidden) go to
  // `elsewhere`, as they would while no box is open.
  WebBoxes(KeptPicture& screen, WebInput& input, std::function<void(const PageEvent&)> elsewhere)
      : screen_(screen), input_(input), elsewhere_(std::move(elsewhere)) {}

  std::vector<std::uint16_t> Snapshot() override { return screen_.Snapshot(); }
  void ShowModal(const std::vector<std::uint16_t>& rgb565) override;
  void EndModal() override;
  FontSet& Fonts() override { return screen_.Fonts(); }
  BoxEvent WaitBoxEvent() override;

  // Told when a box opens, and when it closes (a save may have been
  // written).
  std::function<void()> OnOpened;
  std::function<void()> OnClosed;

 private:
  KeptPicture& screen_;
  WebInput& input_;
  std::function<void(const PageEvent&)> elsewhere_;
};

}  // namespace raketa
