// Mapping SDL key events onto the key poll and the command line.
#include "presentation/live/key_input.h"

#include "presentation/boxes/typed_text.h"

namespace raketa {

int VirtualKey(SDL_Keycode key) {
  switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return 13;
    case SDLK_ESCAPE: return 27;
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_SPACE: return 32;
    case SDLK_END: return 35;
    case SDLK_HOME: return 36;
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_DELETE: return 46;
    default: break;
  }
  if (key >= SDLK_F1 && key <= SDLK_F12) return 112 + (key - SDLK_F1);
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return key;
  return 0;
}

void KeyDown(const SDL_KeyboardEvent& e, CommandLine& line, KeyPoll& keys) {
  // Ctrl+L reads the command line aloud, as F12 does.
  const bool ctrl = (e.keysym.mod & KMOD_CTRL) != 0 && (e.keysym.mod & KMOD_ALT) == 0;
  const int vk = ctrl && e.keysym.sym == SDLK_l ? 123 : VirtualKey(e.keysym.sym);
  if (vk) keys.Press(vk);
  switch (e.keysym.sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: line.Enter(); break;
    case SDLK_ESCAPE: line.Escape(); break;
    case SDLK_BACKSPACE: line.Backspace(); break;
    case SDLK_DELETE: line.Delete(); break;
    case SDLK_LEFT: line.CaretLeft(); break;
    case SDLK_RIGHT: line.CaretRight(); break;
    case SDLK_HOME: line.CaretHome(); break;
    case SDLK_END: line.CaretEnd(); break;
    default: break;
  }
}

void KeyUp(const SDL_KeyboardEvent& e, KeyPoll& keys) {
  const int vk = VirtualKey(e.keysym.sym);
  if (vk) keys.Release(vk);
}

void TextInput(const char* utf8, CommandLine& line) {
  for (char c : TypedCp1250(utf8)) line.TypeChar(static_cast<unsigned char>(c));
}

}  // namespace raketa
