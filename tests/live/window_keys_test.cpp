// The window's own keys, told apart from the game's.
#include "presentation/live/window_keys.h"

#include <gtest/gtest.h>

namespace raketa {
namespace {

SDL_KeyboardEvent Key(SDL_Keycode sym, Uint16 mod) {
  SDL_KeyboardEvent e{};
  e.type = SDL_KEYDOWN;
  e.keysym.sym = sym;
  e.keysym.mod = mod;
  return e;
}

TEST(WindowKeys, TheWindowsKeysAndNoOthers) {
  struct Case {
    SDL_Keycode sym;
    Uint16 mod;
    WindowKey expected;
    const char* why;
  };
  const Case cases[] = {
      {SDLK_RETURN, KMOD_LALT, WindowKey::ToggleFullScreen, "Alt+Enter"},
      {SDLK_RETURN, KMOD_RALT, WindowKey::ToggleFullScreen, "AltGr+Enter"},
      {SDLK_KP_ENTER, KMOD_LALT, WindowKey::ToggleFullScreen, "Alt with the keypad's Enter"},
      {SDLK_F11, KMOD_NONE, WindowKey::ToggleFullScreen, "F11"},
      {SDLK_F11, KMOD_NUM, WindowKey::ToggleFullScreen, "F11 with Num Lock on"},
      {SDLK_v, KMOD_LCTRL, WindowKey::Paste, "Ctrl+V"},
      {SDLK_v, KMOD_RCTRL | KMOD_CAPS, WindowKey::Paste, "right Ctrl+V with Caps Lock"},
      {SDLK_RETURN, KMOD_NONE, WindowKey::None, "Enter sends the command"},
      {SDLK_RETURN, KMOD_LSHIFT, WindowKey::None, "Shift+Enter too"},
      {SDLK_RETURN, KMOD_LCTRL | KMOD_LALT, WindowKey::None, "Ctrl+Alt+Enter"},
      {SDLK_v, KMOD_NONE, WindowKey::None, "v is typed"},
      {SDLK_v, KMOD_RALT | KMOD_LCTRL, WindowKey::None, "AltGr+V on keyboards where AltGr is Ctrl+Alt"},
      {SDLK_F10, KMOD_NONE, WindowKey::None, "F10 ends the game"},
      {SDLK_F11, KMOD_LALT, WindowKey::None, "Alt+F11"},
  };
  for (const Case& c : cases) EXPECT_EQ(WindowKeyOf(Key(c.sym, c.mod)), c.expected) << c.why;
}

}  // namespace
}  // namespace raketa
