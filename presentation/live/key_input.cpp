// Mapping SDL key events onto the key poll and the command line.
#include "presentation/live/key_input.h"

#include "presentation/boxes/typed_text.h"
#include "services/keys.h"

namespace raketa {

int VirtualKey(SDL_Keycode key) {
  switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return vk::Enter;
    case SDLK_ESCAPE: return vk::Esc;
    case SDLK_BACKSPACE: return vk::Backspace;
    case SDLK_TAB: return vk::Tab;
    case SDLK_SPACE: return vk::Space;
    case SDLK_END: return vk::End;
    case SDLK_HOME: return vk::Home;
    case SDLK_LEFT: return vk::Left;
    case SDLK_UP: return vk::Up;
    case SDLK_RIGHT: return vk::Right;
    case SDLK_DOWN: return vk::Down;
    case SDLK_DELETE: return vk::Delete;
    default: break;
  }
  // F11 too: the window's own key, which the game never polls.
  if (key >= SDLK_F1 && key <= SDLK_F12) return vk::F1 + (key - SDLK_F1);
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return key;
  return 0;
}

void KeyDown(const SDL_KeyboardEvent& e, CommandLine& line, KeyPoll& keys) {
  // Ctrl+L reads the command line aloud, as F12 does.
  const bool ctrl = (e.keysym.mod & KMOD_CTRL) != 0 && (e.keysym.mod & KMOD_ALT) == 0;
  const int code = ctrl && e.keysym.sym == SDLK_l ? vk::F12 : VirtualKey(e.keysym.sym);
  if (code) keys.Press(code);
  line.EditWithKey(code);
}

void KeyUp(const SDL_KeyboardEvent& e, KeyPoll& keys) {
  const int code = VirtualKey(e.keysym.sym);
  if (code) keys.Release(code);
}

void TextInput(const char* utf8, CommandLine& line) {
  TypeInto(line, utf8);
}

}  // namespace raketa
