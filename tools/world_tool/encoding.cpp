#include "encoding.h"

#include <cstdio>

#include "world/cp1250.h"

namespace raketa::worldtool {

namespace {

bool UndefinedInCodePage(unsigned char b) { return b >= 0x80 && Cp1250ToCodepoint(b) == 0xFFFD; }

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// One code point from `s` at `i`; 0 bytes consumed means invalid UTF-8.
std::size_t NextCodepoint(std::string_view s, std::size_t i, char32_t& cp) {
  unsigned char b = static_cast<unsigned char>(s[i]);
  int extra;
  if (b < 0x80) { cp = b; return 1; }
  if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; extra = 1; }
  else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; extra = 2; }
  else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; extra = 3; }
  else return 0;
  if (i + static_cast<std::size_t>(extra) >= s.size()) return 0;
  for (int k = 1; k <= extra; ++k) {
    unsigned char cb = static_cast<unsigned char>(s[i + k]);
    if ((cb & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (cb & 0x3F);
  }
  static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return static_cast<std::size_t>(extra) + 1;
}

}  // namespace

Encoded EncodeCp1250(std::string_view utf8) {
  Encoded r;
  std::size_t i = 0, column = 0;
  while (i < utf8.size()) {
    ++column;
    char32_t cp = 0;
    std::size_t n = NextCodepoint(utf8, i, cp);
    if (n == 0) {
      r.ok = false;
      r.badColumn = column;
      r.fault = "bytes that are not UTF-8";
      return r;
    }
    int b = CodepointToCp1250(cp);
    if (b < 0 && cp >= 0x80 && cp < 0x100 && UndefinedInCodePage(static_cast<unsigned char>(cp))) b = static_cast<int>(cp);
    if (b < 0) {
      char buf[64];
      std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
      r.ok = false;
      r.badColumn = column;
      r.fault = "'" + std::string(utf8.substr(i, n)) + "' (" + buf + ") has no place in code page 1250";
      return r;
    }
    r.text.push_back(static_cast<char>(b));
    i += n;
  }
  return r;
}

std::string DecodeCp1250(std::string_view cp1250) {
  std::string out;
  out.reserve(cp1250.size() * 2);
  for (char ch : cp1250) {
    unsigned char b = static_cast<unsigned char>(ch);
    AppendUtf8(out, UndefinedInCodePage(b) ? static_cast<char32_t>(b) : Cp1250ToCodepoint(b));
  }
  return out;
}

std::size_t Utf8Length(std::string_view utf8) {
  std::size_t n = 0;
  for (char ch : utf8) {
    if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
  }
  return n;
}

}  // namespace raketa::worldtool
