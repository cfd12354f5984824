#include "item_names.h"

#include "services/cp1250.h"

namespace raketa::worldtool {

namespace {

// The lower-case letters of code page 1250 that carry a diacritic, with the
// letter a player types instead.
char BaseLetter(char32_t cp) {
  switch (cp) {
    case U'á': case U'ä': case U'â': case U'ă': case U'ą': return 'a';
    case U'č': case U'ć': case U'ç': return 'c';
    case U'ď': case U'đ': return 'd';
    case U'é': case U'ě': case U'ë': case U'ę': return 'e';
    case U'í': case U'î': return 'i';
    case U'ĺ': case U'ľ': case U'ł': return 'l';
    case U'ň': case U'ń': return 'n';
    case U'ó': case U'ô': case U'ö': case U'ő': return 'o';
    case U'ŕ': case U'ř': return 'r';
    case U'š': case U'ś': case U'ş': return 's';
    case U'ť': case U'ţ': return 't';
    case U'ú': case U'ů': case U'ü': case U'ű': return 'u';
    case U'ý': return 'y';
    case U'ž': case U'ź': case U'ż': return 'z';
    default: return 0;
  }
}

}  // namespace

std::string PlainSpelling(std::string_view cp1250) {
  std::string out;
  for (char c : cp1250) {
    unsigned char b = static_cast<unsigned char>(c);
    char base = b < 0x80 ? 0 : BaseLetter(Cp1250ToCodepoint(b));
    out.push_back(base ? base : c);
  }
  return out;
}

std::string Accusative(std::string_view name) {
  std::string s(name);
  if (!s.empty() && s.back() == 'a') s.back() = 'u';
  return s;
}

}  // namespace raketa::worldtool
