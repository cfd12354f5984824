#include "presentation/web/browser_keys.h"

#include "services/cp1250.h"
#include "services/keys.h"

namespace raketa {

namespace {

struct NamedKey {
  std::string_view key;
  int vk;
};

// The browser's names for the game's keys (services/keys.h).  F11 and F12
// are not here: F11 is the page's, F12 stays the browser's.  Page Up and
// Page Down serve only the boxes.
constexpr NamedKey kNamed[] = {
    {"Enter", vk::Enter},
    {"Escape", vk::Esc},
    {"Backspace", vk::Backspace},
    {"Tab", vk::Tab},
    {"End", vk::End},
    {"Home", vk::Home},
    {"ArrowLeft", vk::Left},
    {"ArrowUp", vk::Up},
    {"ArrowRight", vk::Right},
    {"ArrowDown", vk::Down},
    {"Delete", vk::Delete},
    {"PageUp", 0},
    {"PageDown", 0},
    {"F1", vk::F1},
    {"F2", vk::F2},
    {"F3", vk::F3},
    {"F4", vk::F4},
    {"F5", vk::F5},
    {"F6", vk::F6},
    {"F7", vk::F7},
    {"F8", vk::F8},
    {"F9", vk::F9},
    {"F10", vk::F10},
};

const NamedKey* Named(std::string_view key) {
  for (const NamedKey& n : kNamed) {
    if (n.key == key) return &n;
  }
  return nullptr;
}

// Letters and digits by where they lie, as the key poll knows them.
int PlaceKey(std::string_view code) {
  if (code.size() == 4 && code.substr(0, 3) == "Key" && code[3] >= 'A' && code[3] <= 'Z') return code[3];
  if (code.size() == 6 && code.substr(0, 5) == "Digit" && code[5] >= '0' && code[5] <= '9') return code[5];
  return 0;
}

// True when `key` is one printable character, as the browser names every
// key that types one ("a", "Č", " "), unlike "Dead", "Shift" or "F5".
bool OneCharacter(std::string_view key) {
  char32_t cp = 0;
  const std::size_t n = DecodeUtf8(key, 0, cp);
  return n != 0 && n == key.size() && cp >= 32 && cp != 127;
}

// The browser's keys for moving between pages, tabs and the page's
// controls: the game hears nothing of them.
bool BrowsersOwn(const BrowserKeyEvent& e) {
  if (e.key == "Tab" && e.shift && !e.ctrl && !e.alt) return true;
  if (e.alt && !e.ctrl && (e.key == "ArrowLeft" || e.key == "ArrowRight" || e.key == "Home")) return true;
  return e.ctrl && !e.alt && (e.key == "PageUp" || e.key == "PageDown");
}

}  // namespace

KeyMeaning ReadKeyDown(const BrowserKeyEvent& e) {
  KeyMeaning m;
  if (BrowsersOwn(e)) return m;
  const bool enter = e.key == "Enter";
  if ((e.key == "F11" && !e.ctrl && !e.alt) || (enter && e.alt && !e.ctrl)) {
    m.page = PageKey::ToggleFullScreen;
    m.keep = true;
    return m;
  }
  // AltGr arrives as Ctrl and Alt together on some systems: it types.
  const bool command = e.meta || (e.ctrl && !e.alt);
  if (command && (e.code == "KeyV" || e.key == "v" || e.key == "V") && !e.alt) {
    m.page = PageKey::Paste;
    return m;
  }
  // Ctrl+L reads the command line aloud (F12 in the window; the browser
  // keeps F12 for itself).
  if (command && (e.code == "KeyL" || e.key == "l" || e.key == "L")) {
    m.vk = vk::F12;
    m.keep = true;
    return m;
  }
  if (const NamedKey* n = Named(e.key)) {
    m.vk = n->vk;
    m.box = e.key == "PageUp" ? BoxKey::PageUp : e.key == "PageDown" ? BoxKey::PageDown : BoxKeyOfGameKey(n->vk);
    m.keep = true;
    return m;
  }
  if (!OneCharacter(e.key)) return m;
  m.vk = e.key == " " ? vk::Space : PlaceKey(e.code);
  if (command) return m;  // Ctrl+R, Ctrl+C and the like stay the browser's
  m.typed = std::string(e.key);
  m.keep = true;
  return m;
}

int VirtualKeyOf(std::string_view key, std::string_view code) {
  if (const NamedKey* n = Named(key)) return n->vk;
  if (key == " ") return vk::Space;
  return PlaceKey(code);
}

}  // namespace raketa
