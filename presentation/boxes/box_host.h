// What a modal box (the error box, the file dialogs) needs of the backend
// that shows it: the picture the player sees, a way to show the box's
// picture instead, the fonts, and the player's next key.  The live backend
// serves it from SDL's events and window, the browser backend from the
// page's; the boxes themselves draw and decide the same everywhere.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "presentation/render/font_set.h"
#include "services/keys.h"

namespace raketa {

// The keys a box understands.
enum class BoxKey { Other, Enter, Escape, Up, Down, PageUp, PageDown, Home, End, Tab, Backspace };

// A game key (services/keys.h) as a box hears it.  Page Up and Page Down,
// which the game never polls, each backend maps by itself.
inline BoxKey BoxKeyOfGameKey(int code) {
  switch (code) {
    case vk::Enter: return BoxKey::Enter;
    case vk::Esc: return BoxKey::Escape;
    case vk::Up: return BoxKey::Up;
    case vk::Down: return BoxKey::Down;
    case vk::Home: return BoxKey::Home;
    case vk::End: return BoxKey::End;
    case vk::Tab: return BoxKey::Tab;
    case vk::Backspace: return BoxKey::Backspace;
    default: return BoxKey::Other;
  }
}

// One thing the player did while a box is open.  Keys let go, focus changes
// and the window's own keys (full screen) are the backend's business and
// never arrive here.
struct BoxEvent {
  enum class Kind {
    Key,    // a key pressed: `key`
    Text,   // characters typed: `text`, UTF-8
    Paste,  // Ctrl+V: `text` holds the clipboard's text (UTF-8, may be empty)
    Close,  // the window or page is being closed
    FolderChanged,  // a saved game was put into the save folder from outside
  };
  Kind kind = Kind::Key;
  BoxKey key = BoxKey::Other;
  std::string text;

  static BoxEvent Pressed(BoxKey k) { return {Kind::Key, k, {}}; }
  static BoxEvent Typed(std::string utf8) { return {Kind::Text, BoxKey::Other, std::move(utf8)}; }
  static BoxEvent Pasted(std::string utf8) { return {Kind::Paste, BoxKey::Other, std::move(utf8)}; }
  static BoxEvent Closed() { return {Kind::Close, BoxKey::Other, {}}; }
  static BoxEvent FolderNews() { return {Kind::FolderChanged, BoxKey::Other, {}}; }
};

class BoxHost {
 public:
  virtual ~BoxHost() = default;
  // The picture the player sees now (RGB 565, 1024 x 768), to draw a box
  // over.
  virtual std::vector<std::uint16_t> Snapshot() = 0;
  // Shows a box's picture in place of the game's.
  virtual void ShowModal(const std::vector<std::uint16_t>& rgb565) = 0;
  // Back to the game's own picture.
  virtual void EndModal() = 0;
  virtual FontSet& Fonts() = 0;
  // Waits until the player does something a box may care about.
  virtual BoxEvent WaitBoxEvent() = 0;
};

}  // namespace raketa
