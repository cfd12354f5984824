// The one-line command line.  The player types into it and the game
// writes its answers into it.  Text is code page 1250.  The backends feed the
// player's keys in; both draw it over the presented picture from this state.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "services/keys.h"
#include "services/screen_layout.h"

namespace raketa {

class CommandLine {
 public:
  static constexpr std::size_t kMaxLength = 50;
  static constexpr int kWidth = screen::kCommandLineW;
  static constexpr int kHeight = screen::kCommandLineH;

  // Raised before each typed character is inserted (Enter 13, Esc 27 and
  // Backspace 8 raise it too, as in a standard edit control).
  std::function<void(char key)> OnKeyPress;
  // Told of every change the trace or the screen may care about.
  std::function<void()> OnTextChange;
  std::function<void()> OnColourChange;
  std::function<void()> OnMove;

  // --- what the game calls ---
  const std::string& GetText() const { return text_; }
  void SetText(const std::string& text);
  // The text replaced without telling the listeners: the game reads a
  // refused line once more in another form, which the player sees only if
  // that reading is accepted.
  void ReplaceQuietly(const std::string& text);
  void SetFontColour(std::uint32_t bgr);
  void SetTop(int y);
  void SetLeft(int x);

  std::uint32_t FontColour() const { return colour_; }
  int Top() const { return top_; }
  int Left() const { return left_; }
  std::size_t Caret() const { return caret_; }

  // --- what the player does ---
  // A printable character in code page 1250; lower-cased and inserted at the
  // caret while the line holds fewer than 50 characters.
  void TypeChar(unsigned char c);
  void Enter();
  void Escape();
  void Backspace();
  void Delete();
  void CaretLeft();
  void CaretRight();
  void CaretHome();
  void CaretEnd();
  // A key of the game (services/keys.h) on the line: the edit it makes, as
  // every backend's keys make it; keys that do not edit do nothing.
  void EditWithKey(int key);

 private:
  void Changed();

  std::string text_;
  std::size_t caret_ = 0;
  std::uint32_t colour_ = 0xFFFF00;
  int top_ = 0;
  int left_ = 0;
};

}  // namespace raketa
