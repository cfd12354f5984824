// The page's events for the game: keys pressed on the game's canvas or its
// text field, keys let go, pasted text, the field's edits, the page's own
// buttons for keys a phone lacks (as those keys), the game gaining and
// losing the keyboard, the page shown and hidden.  The browser calls in between the game's sleeps; the
// events wait in a queue until the game's loop (or an open box) takes them.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>

#include "presentation/web/browser_keys.h"
#include "presentation/web/field_edit.h"

namespace raketa {

struct PageEvent {
  enum class Kind { KeyDown, KeyUp, Paste, Focus, Visible, Field, SavesChanged };
  Kind kind = Kind::KeyDown;
  KeyMeaning key;    // KeyDown
  int vk = 0;        // KeyUp
  std::string text;  // Paste, UTF-8
  bool on = false;   // Focus, Visible
  FieldEdit edit;    // Field

  static PageEvent Down(KeyMeaning m) {
    PageEvent e;
    e.key = std::move(m);
    return e;
  }
  static PageEvent Up(int vk) {
    PageEvent e;
    e.kind = Kind::KeyUp;
    e.vk = vk;
    return e;
  }
  static PageEvent Pasted(std::string utf8) {
    PageEvent e;
    e.kind = Kind::Paste;
    e.text = std::move(utf8);
    return e;
  }
  static PageEvent Focused(bool on) {
    PageEvent e;
    e.kind = Kind::Focus;
    e.on = on;
    return e;
  }
  static PageEvent Shown(bool on) {
    PageEvent e;
    e.kind = Kind::Visible;
    e.on = on;
    return e;
  }
  static PageEvent Edited(FieldEdit edit) {
    PageEvent e;
    e.kind = Kind::Field;
    e.edit = std::move(edit);
    return e;
  }
  static PageEvent SavesNews() {
    PageEvent e;
    e.kind = Kind::SavesChanged;
    return e;
  }
};

class WebInput {
 public:
  // Listens on the canvas `canvasSelector` ("#hra-platno"), the text field
  // `fieldSelector` ("#prikaz") and the page.
  WebInput(const char* canvasSelector, const char* fieldSelector);
  ~WebInput();
  WebInput(const WebInput&) = delete;
  WebInput& operator=(const WebInput&) = delete;

  std::optional<PageEvent> Next();
  void Push(PageEvent e) { queue_.push_back(std::move(e)); }
  // Back to the head of the queue: what is left of an event taken in parts.
  void PutBack(PageEvent e) { queue_.push_front(std::move(e)); }

  // Where things stand when the game starts.
  // Whether the game has the keyboard: its canvas, its text field or one of
  // its buttons has the focus (page_controls.js decides).
  static bool GameHasFocus();
  static bool PageVisible();

 private:
  std::deque<PageEvent> queue_;
};

}  // namespace raketa
