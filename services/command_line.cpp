#include "services/command_line.h"

#include "services/cp1250.h"

namespace raketa {

void CommandLine::Changed() {
  if (caret_ > text_.size()) caret_ = text_.size();
  if (OnTextChange) OnTextChange();
}

void CommandLine::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  caret_ = text_.size();
  Changed();
}

void CommandLine::ReplaceQuietly(const std::string& text) {
  text_ = text;
  caret_ = text_.size();
}

void CommandLine::SetFontColour(std::uint32_t bgr) {
  if (bgr == colour_) return;
  colour_ = bgr;
  if (OnColourChange) OnColourChange();
}

void CommandLine::SetTop(int y) {
  if (y == top_) return;
  top_ = y;
  if (OnMove) OnMove();
}

void CommandLine::SetLeft(int x) {
  if (x == left_) return;
  left_ = x;
  if (OnMove) OnMove();
}

void CommandLine::TypeChar(unsigned char c) {
  char key = static_cast<char>(LowerCp1250(c));
  if (OnKeyPress) OnKeyPress(key);
  if (text_.size() >= kMaxLength) return;
  if (caret_ > text_.size()) caret_ = text_.size();
  text_.insert(text_.begin() + static_cast<std::ptrdiff_t>(caret_), key);
  ++caret_;
  Changed();
}

void CommandLine::Enter() {
  if (OnKeyPress) OnKeyPress('\r');
}

void CommandLine::Escape() {
  if (OnKeyPress) OnKeyPress('\x1b');
}

void CommandLine::Backspace() {
  if (OnKeyPress) OnKeyPress('\b');
  if (caret_ == 0 || text_.empty()) return;
  if (caret_ > text_.size()) caret_ = text_.size();
  text_.erase(caret_ - 1, 1);
  --caret_;
  Changed();
}

void CommandLine::Delete() {
  if (caret_ >= text_.size()) return;
  text_.erase(caret_, 1);
  Changed();
}

void CommandLine::CaretLeft() {
  if (caret_ > 0) --caret_;
}

void CommandLine::CaretRight() {
  if (caret_ < text_.size()) ++caret_;
}

void CommandLine::CaretHome() { caret_ = 0; }

void CommandLine::CaretEnd() { caret_ = text_.size(); }

void CommandLine::EditWithKey(int key) {
  switch (LineEditOf(key)) {
    case LineEdit::Enter: Enter(); break;
    case LineEdit::Escape: Escape(); break;
    case LineEdit::Backspace: Backspace(); break;
    case LineEdit::Delete: Delete(); break;
    case LineEdit::Left: CaretLeft(); break;
    case LineEdit::Right: CaretRight(); break;
    case LineEdit::Home: CaretHome(); break;
    case LineEdit::End: CaretEnd(); break;
    case LineEdit::None: break;
  }
}

}  // namespace raketa
