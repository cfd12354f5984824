// The page's text field shows the game's command line: its text and caret
// after every change the game or the player made.  While a box is open the
// field is empty and carries the box's typing.
#pragma once

#include <cstddef>
#include <string>

#include "services/command_line.h"

namespace raketa {

class FieldMirror {
 public:
  // Shows the line in the field when it differs from what the field was
  // last given.
  void Show(const CommandLine& line);
  // An empty field for an open box.
  void ShowEmpty();
  // The field has changed by itself (the player edited it, a box used it):
  // the next Show gives it the line again.
  void Forget() { known_ = false; }

 private:
  void Give(const std::string& cp1250, std::size_t caret);

  bool known_ = false;
  std::string text_;
  std::size_t caret_ = 0;
};

}  // namespace raketa
