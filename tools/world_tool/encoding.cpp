#include "encoding.h"

#include <cstdio>

#include "services/cp1250.h"

namespace raketa::worldtool {

namespace {

bool UndefinedInCodePage(unsigned char b) { return b >= 0x80 && Cp1250ToCodepoint(b) == 0xFFFD; }

}  // namespace

Encoded EncodeCp1250(std::string_view utf8) {
  Encoded r;
  std::size_t i = 0, column = 0;
  while (i < utf8.size()) {
    ++column;
    char32_t cp = 0;
    std::size_t n = DecodeUtf8(utf8, i, cp);
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
