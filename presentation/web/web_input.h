// The page's events for the game: keys pressed on the game's canvas, keys
// let go, pasted text, the canvas gaining and losing the keyboard, the page
// shown and hidden.  The browser calls in between the game's sleeps; the
// events wait in a queue until the game's loop (or an open box) takes them.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>

#include "presentation/web/browser_keys.h"

namespace raketa {

struct PageEvent {
  enum class Kind { KeyDown, KeyUp, Paste, Focus, Visible, SavesChanged };
  Kind kind = Kind::KeyDown;
  KeyMeaning key;    // KeyDown
  int vk = 0;        // KeyUp
  std::string text;  // Paste, UTF-8
  bool on = false;   // Focus, Visible

  static PageEvent Down(KeyMeaning m) { return {Kind::KeyDown, std::move(m), 0, {}, false}; }
  static PageEvent Up(int vk) { return {Kind::KeyUp, {}, vk, {}, false}; }
  static PageEvent Pasted(std::string utf8) { return {Kind::Paste, {}, 0, std::move(utf8), false}; }
  static PageEvent Focused(bool on) { return {Kind::Focus, {}, 0, {}, on}; }
  static PageEvent Shown(bool on) { return {Kind::Visible, {}, 0, {}, on}; }
  static PageEvent SavesNews() { return {Kind::SavesChanged, {}, 0, {}, false}; }
};

class WebInput {
 public:
  // Listens on the canvas `canvasSelector` ("#hra-platno") and the page.
  explicit WebInput(const char* canvasSelector);
  ~WebInput();
  WebInput(const WebInput&) = delete;
  WebInput& operator=(const WebInput&) = delete;

  std::optional<PageEvent> Next();
  void Push(PageEvent e) { queue_.push_back(std::move(e)); }

  // Where things stand when the game starts.
  static bool CanvasHasFocus();
  static bool PageVisible();

 private:
  std::deque<PageEvent> queue_;
};

}  // namespace raketa
