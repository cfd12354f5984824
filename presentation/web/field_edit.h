// The text field that carries the command line on a touch screen, so that
// the phone's own keyboard (its Czech letters, its composing of accents)
// types into the game.  The game's line stays the truth: the field shows it,
// and what the player does in the field comes back as one edit, made on the
// line with the line's own keys, as a keyboard would make it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "presentation/boxes/box_host.h"
#include "services/command_line.h"

namespace raketa {

// The field's characters from `at` to `at + removed` (one for each
// character of the line it showed) replaced by `text` (UTF-8).
struct FieldEdit {
  std::size_t at = 0;
  std::size_t removed = 0;
  std::string text;
};

// The caret to the end of what was removed, Backspace once for each removed
// character (of those the line has), then each character typed (those code page 1250 has no place
// for are dropped).  Every Backspace and character raises the line's key
// press, as a key would: an answer on the line goes at the first.
void EditLine(CommandLine& line, const FieldEdit& edit);

// What an open box (a file dialog's name) hears of the edit, one event at a
// time: a Backspace for each removed character, then the text typed.  The
// box's name is edited at its end, where the box keeps its caret.  Takes the
// event off `edit`; nothing once the edit is used up.
std::optional<BoxEvent> NextBoxEvent(FieldEdit& edit);

}  // namespace raketa
