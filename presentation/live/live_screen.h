// The window's picture: the kept picture shown in the window, drawn again
// when the window loses its contents, changes its size or switches between
// full screen and a window.
#pragma once

#include <SDL.h>

#include "presentation/live/window_output.h"
#include "presentation/render/kept_picture.h"

namespace raketa {

class LiveScreen : public KeptPicture {
 public:
  LiveScreen(WindowOutput& output, SoftwareSurface& surface, CommandLine& line, FontSet& fonts)
      : KeptPicture(output, surface, line, fonts), output_(output) {}

  // Alt+Enter or F11: full screen or a window, the picture drawn again.
  void ToggleFullScreen();
  // Handles window events that concern the picture; true when it did.
  bool HandleWindowEvent(const SDL_Event& e);

 private:
  WindowOutput& output_;
};

}  // namespace raketa
