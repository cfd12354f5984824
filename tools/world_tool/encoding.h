// The tool's edge between UTF-8 (the repository's sources and the readable
// world) and code page 1250 (what the game reads).  Unlike the game's own
// conversion it never guesses: a character with no place in the code page is
// reported.  The five bytes the code page leaves undefined travel as the C1
// controls of the same number, so any record decompiles and compiles back
// byte for byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace raketa::worldtool {

struct Encoded {
  bool ok = true;
  std::string text;            // code page 1250
  std::size_t badColumn = 0;   // 1-based character position of the first fault
  std::string fault;           // what is wrong there, for a message
};

Encoded EncodeCp1250(std::string_view utf8);
std::string DecodeCp1250(std::string_view cp1250);

// Character count of a UTF-8 text (for column numbers in messages).
std::size_t Utf8Length(std::string_view utf8);

}  // namespace raketa::worldtool
