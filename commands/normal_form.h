// The forgiving reading of a line no handler accepted: the everyday ways of
// saying a command rewritten to the words the handlers know.
#pragma once

#include <string>
#include <string_view>

#include "world/world_record.h"

namespace raketa {

// The three lines the game answers beyond its handlers, as NormalForm gives
// them (UTF-8).
namespace comfort_line {
constexpr std::string_view LookAround = "rozhlédni se";
constexpr std::string_view Inventory = "inventář";
constexpr std::string_view Help = "pomoc";
}  // namespace comfort_line

// `line` and the result are code page 1250, lower case as the command line
// holds them.  Blanks trimmed and collapsed; short and long directions, with
// or without "jdi"/"běž"/"jít" (+ "na"), as the four direction words; verbs
// as "vem", "odloz", "použij" and "prohledej"; the valve lines; a fixture of
// `room` named without diacritics found when typed with them; and the
// look, inventory and help lines as one form each.
std::string NormalForm(std::string_view line, const TRoom& room);

}  // namespace raketa
