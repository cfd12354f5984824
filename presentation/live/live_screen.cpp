#include "presentation/live/live_screen.h"

namespace raketa {

void LiveScreen::ToggleFullScreen() {
  output_.ToggleFullScreen();
  Redraw();
}

bool LiveScreen::HandleWindowEvent(const SDL_Event& e) {
  if (e.type != SDL_WINDOWEVENT) return false;
  switch (e.window.event) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SHOWN:
      Redraw();
      return true;
    default:
      return false;
  }
}

}  // namespace raketa
