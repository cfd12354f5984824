// Code page 1250 is the game's text encoding everywhere inside: the world
// record, the room texts, the answers.  UTF-8 appears only at the edges
// (source literals, typed text, traces, glyph lookup).
#pragma once

#include <string>
#include <string_view>

namespace raketa {

char32_t Cp1250ToCodepoint(unsigned char c);
// -1 when the code point has no place in code page 1250.
int CodepointToCp1250(char32_t cp);
// Lower case within code page 1250 ("Č" gives "č").
unsigned char LowerCp1250(unsigned char c);

// One code point of `utf8` at byte `i`; returns how many bytes it takes, or
// 0 where the bytes are not UTF-8 (overlong forms and surrogates included).
std::size_t DecodeUtf8(std::string_view utf8, std::size_t i, char32_t& cp);
void AppendUtf8(std::string& out, char32_t cp);

// Characters with no place in code page 1250 become '?'.
std::string Utf8ToCp1250(std::string_view utf8);
std::string Cp1250ToUtf8(std::string_view text);

// The game's own texts are written in UTF-8 in the sources: W("dveře") is
// that text in code page 1250.
inline std::string W(std::string_view utf8) { return Utf8ToCp1250(utf8); }

}  // namespace raketa
