// Typed text arrives as UTF-8; the game keeps code page 1250.  Characters
// that have no place there (or are control characters) are dropped, as a
// keyboard of the game's time could not have typed them.
#pragma once

#include <string>
#include <string_view>

namespace raketa {

class CommandLine;

std::string TypedCp1250(std::string_view utf8);

// Typed text into the command line, a character at a time as its keys
// would type it.
void TypeInto(CommandLine& line, std::string_view utf8);

// Clipboard text as the command line takes it: code page 1250 without line
// breaks or other control characters, at most a full line of 50.
std::string PastedCp1250(std::string_view utf8);

}  // namespace raketa
