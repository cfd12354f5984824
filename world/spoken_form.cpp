// Room texts and file errors as the voice says them.
#include "world/spoken_form.h"

#include <vector>

#include "services/cp1250.h"
#include "world/files.h"

namespace raketa {

namespace {
// Whether a line's first letter is a capital, past blanks, quotes and dashes.
bool StartsWithCapital(const std::string& cp1250) {
  for (unsigned char c : cp1250) {
    if (c == ' ' || c == '\t' || c == '"' || c == '\'' || c == '(' || c == 0x84 || c == 0x93 || c == 0x96) continue;
    return LowerCp1250(c) != c;
  }
  return false;
}
}  // namespace

std::string SpokenParagraph(const std::string& cp1250) {
  struct Line {
    std::string text;
    bool indented;
  };
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start <= cp1250.size()) {
    std::size_t end = cp1250.find('\n', start);
    if (end == std::string::npos) end = cp1250.size();
    std::string line = cp1250.substr(start, end - start);
    const std::size_t a = line.find_first_not_of(" \t\r");
    const std::size_t b = line.find_last_not_of(" \t\r");
    if (a != std::string::npos) lines.push_back({line.substr(a, b - a + 1), a > 0});
    start = end + 1;
  }
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string text = lines[i].text;
    // An indented line that ends without a stop before a capital is an
    // entry of a list (the console's warnings): the voice pauses after it.
    // Inside an indented quotation the sentence simply goes on.
    const bool nextIsNew = i + 1 == lines.size() || StartsWithCapital(lines[i + 1].text);
    const std::size_t last = text.find_last_not_of("\"')\x93");
    const bool stopped = last != std::string::npos && std::string(".,:;!?").find(text[last]) != std::string::npos;
    if (lines[i].indented && nextIsNew && !stopped) text += ".";
    if (!out.empty()) out += " ";
    out += text;
  }
  return out;
}

std::string RoomName(const std::string& paragraph) {
  constexpr std::size_t kLongestName = 40;
  for (std::size_t i = 0; i < paragraph.size() && i <= kLongestName; ++i) {
    const char c = paragraph[i];
    if (c != '.' && c != '!' && c != '?') continue;
    if (i + 1 < paragraph.size() && paragraph[i + 1] != ' ') continue;  // "m.", a dot inside a word
    return i == 0 ? std::string() : paragraph.substr(0, i + 1);
  }
  // A short text without a stop is all name.
  return paragraph.size() <= kLongestName ? paragraph : std::string();
}

std::string SpokenIoError(int code, const std::string& path) {
  std::string what;
  switch (code) {
    case io::FileNotFound: what = "soubor nebyl nalezen"; break;
    case io::InvalidFilename: what = "neplatné jméno souboru"; break;
    case io::TooManyOpenFiles: what = "příliš mnoho otevřených souborů"; break;
    case io::AccessDenied: what = "přístup k souboru odepřen"; break;
    case io::ReadBeyondEnd: what = "soubor je příliš krátký"; break;
    case io::DiskFull: what = "disk je plný"; break;
    case io::InvalidRecord: what = "soubor neobsahuje platnou hru"; break;
    case io::NotAFile: what = "to není soubor"; break;
    default: what = "chyba souboru číslo " + std::to_string(code); break;
  }
  std::string name = path;
  const std::size_t slash = name.find_last_of("/\\");
  if (slash != std::string::npos) name = name.substr(slash + 1);
  std::string said = W("Chyba");
  if (!name.empty()) said += W(" u souboru ") + name;
  return said + W(": " + what + ".");
}

}  // namespace raketa
