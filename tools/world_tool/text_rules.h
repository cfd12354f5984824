// The shape of one room text.  The narration draws a text cell by cell
// (services/screen_layout.h): a row may hold as many characters as fit
// before the printed command help, and a text as many rows as fit above the
// contents panel; the intro, typed lower above the bottom panel, fewer.  An
// empty line is not an empty row: the game draws its CR and LF as two
// glyphs, so there are none.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics.h"
#include "services/screen_layout.h"

namespace raketa::worldtool {

constexpr int kLineWidth = screen::kRoomTextColumns;
constexpr int kRoomTextRows = screen::kRoomTextRows;
constexpr int kIntroRows = screen::kIntroRows;
constexpr int kReturnTextRows = 2;  // the player waits for these while the rocket slides

// The game's form (code page 1250, CR LF) split into lines as the narration
// reads them; a stray CR, a lone LF, Ctrl-Z or another control byte is an
// error, since the game would draw it or stop there.
std::vector<std::string> SplitGameText(std::string_view bytes, const std::string& name, Diagnostics& d);

// A repository source (UTF-8, LF) in the game's form, or nothing when it
// holds a character the code page lacks, a CR, or bytes that are not UTF-8.
std::optional<std::string> SourceToGameText(std::string_view utf8, const std::string& name, Diagnostics& d);

// Rows, widths and empty lines of one text (lines in code page 1250).
void CheckTextShape(const std::string& name, const std::vector<std::string>& lines, Diagnostics& d);

// Reads a file in either form (a file with a CR is in the game's form) and
// checks its shape.
void CheckTextBytes(const std::string& name, std::string_view bytes, Diagnostics& d);

}  // namespace raketa::worldtool
