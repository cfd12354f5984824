#include "presentation/live/live_boxes.h"

#include "presentation/live/key_input.h"
#include "presentation/live/window_keys.h"

namespace raketa {

BoxKey BoxKeyOf(SDL_Keycode key) {
  switch (key) {
    case SDLK_PAGEUP: return BoxKey::PageUp;
    case SDLK_PAGEDOWN: return BoxKey::PageDown;
    default: return BoxKeyOfGameKey(VirtualKey(key));
  }
}

BoxEvent LiveBoxes::WaitBoxEvent() {
  SDL_Event e;
  while (SDL_WaitEvent(&e)) {
    switch (e.type) {
      case SDL_QUIT: return BoxEvent::Closed();
      case SDL_KEYUP: KeyUp(e.key, keys_); break;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) keys_.ReleaseAll();
        screen_.HandleWindowEvent(e);
        break;
      case SDL_TEXTINPUT: return BoxEvent::Typed(e.text.text);
      case SDL_KEYDOWN:
        switch (WindowKeyOf(e.key)) {
          case WindowKey::ToggleFullScreen:
            if (!e.key.repeat) screen_.ToggleFullScreen();
            break;
          case WindowKey::Paste: {
            std::string text;
            if (char* clip = SDL_GetClipboardText()) {
              text = clip;
              SDL_free(clip);
            }
            return BoxEvent::Pasted(std::move(text));
          }
          case WindowKey::None: return BoxEvent::Pressed(BoxKeyOf(e.key.keysym.sym));
        }
        break;
      default: break;
    }
  }
  // The event queue itself failed: nothing more can reach the box.
  return BoxEvent::Closed();
}

}  // namespace raketa
