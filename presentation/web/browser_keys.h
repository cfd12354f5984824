// What a key pressed in the page means to the game: the browser names keys
// by KeyboardEvent.key (what the key types or does, after the layout and
// any dead key: "Enter", "F5", "a", "č") and KeyboardEvent.code (where it
// lies: "KeyA", "NumpadEnter").  The game's keys are kept from the browser,
// so F5 does not reload the page, F1 does not open help, F3 does not open
// search, Tab does not move the focus and Backspace does not go back.
// The browser keeps its own ways through pages and tabs: Shift+Tab leaves
// the game for the page's buttons, Alt+Left and Alt+Right go back and
// forward, Alt+Home goes home, Ctrl+PgUp and Ctrl+PgDn change tabs.
#pragma once

#include <string>
#include <string_view>

#include "presentation/boxes/box_host.h"

namespace raketa {

struct BrowserKeyEvent {
  std::string_view key;
  std::string_view code;
  bool ctrl = false;
  bool alt = false;
  bool meta = false;
  bool shift = false;
};

// Keys that belong to the page rather than to the game, as the desktop
// window's: F11 and Alt+Enter switch full screen, Ctrl+V pastes.
enum class PageKey { None, ToggleFullScreen, Paste };

struct KeyMeaning {
  // The game key the game polls (services/keys.h), 0 for none; the command
  // line makes its edit.
  int vk = 0;
  BoxKey box = BoxKey::Other;
  PageKey page = PageKey::None;
  std::string typed;  // the printable character it types (UTF-8), if any
  // The browser must not act on the key itself.  Ctrl+V is not kept: the
  // browser's own paste brings the clipboard's text.
  bool keep = false;
};

KeyMeaning ReadKeyDown(const BrowserKeyEvent& e);

// The game key a key let go releases, 0 for none.
int VirtualKeyOf(std::string_view key, std::string_view code);

}  // namespace raketa
