#include "presentation/web/browser_keys.h"

#include "services/cp1250.h"

namespace raketa {

namespace {

struct NamedKey {
  std::string_view key;
  int vk;
  LineKey line;
  BoxKey box;
};

// F11 and F12 are not here: F11 is the page's, F12 stays the browser's.
constexpr NamedKey kNamed[] = {
    {"Enter", 13, LineKey::Enter, BoxKey::Enter},
    {"Escape", 27, LineKey::Escape, BoxKey::Escape},
    {"Backspace", 8, LineKey::Backspace, BoxKey::Backspace},
    {"Tab", 9, LineKey::None, BoxKey::Tab},
    {"End", 35, LineKey::End, BoxKey::End},
    {"Home", 36, LineKey::Home, BoxKey::Home},
    {"ArrowLeft", 37, LineKey::Left, BoxKey::Other},
    {"ArrowUp", 38, LineKey::None, BoxKey::Up},
    {"ArrowRight", 39, LineKey::Right, BoxKey::Other},
    {"ArrowDown", 40, LineKey::None, BoxKey::Down},
    {"Delete", 46, LineKey::Delete, BoxKey::Other},
    {"PageUp", 0, LineKey::None, BoxKey::PageUp},
    {"PageDown", 0, LineKey::None, BoxKey::PageDown},
    {"F1", 112, LineKey::None, BoxKey::Other},
    {"F2", 113, LineKey::None, BoxKey::Other},
    {"F3", 114, LineKey::None, BoxKey::Other},
    {"F4", 115, LineKey::None, BoxKey::Other},
    {"F5", 116, LineKey::None, BoxKey::Other},
    {"F6", 117, LineKey::None, BoxKey::Other},
    {"F7", 118, LineKey::None, BoxKey::Other},
    {"F8", 119, LineKey::None, BoxKey::Other},
    {"F9", 120, LineKey::None, BoxKey::Other},
    {"F10", 121, LineKey::None, BoxKey::Other},
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
    m.vk = 123;
    m.keep = true;
    return m;
  }
  if (const NamedKey* n = Named(e.key)) {
    m.vk = n->vk;
    m.line = n->line;
    m.box = n->box;
    m.keep = true;
    return m;
  }
  if (!OneCharacter(e.key)) return m;
  m.vk = e.key == " " ? 32 : PlaceKey(e.code);
  if (command) return m;  // Ctrl+R, Ctrl+C and the like stay the browser's
  m.typed = std::string(e.key);
  m.keep = true;
  return m;
}

int VirtualKeyOf(std::string_view key, std::string_view code) {
  if (const NamedKey* n = Named(key)) return n->vk;
  if (key == " ") return 32;
  return PlaceKey(code);
}

}  // namespace raketa
