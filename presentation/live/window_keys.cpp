#include "presentation/live/window_keys.h"

namespace raketa {

WindowKey WindowKeyOf(const SDL_KeyboardEvent& e) {
  const SDL_Keycode key = e.keysym.sym;
  const Uint16 mod = e.keysym.mod;
  const bool alt = (mod & KMOD_ALT) != 0;
  const bool ctrl = (mod & KMOD_CTRL) != 0;
  if (key == SDLK_F11 && !alt && !ctrl) return WindowKey::ToggleFullScreen;
  if ((key == SDLK_RETURN || key == SDLK_KP_ENTER) && alt && !ctrl) return WindowKey::ToggleFullScreen;
  if (key == SDLK_v && ctrl && !alt) return WindowKey::Paste;
  return WindowKey::None;
}

}  // namespace raketa
