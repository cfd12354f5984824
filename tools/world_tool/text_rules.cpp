#include "text_rules.h"

#include "encoding.h"
#include "world/phase.h"

namespace raketa::worldtool {

namespace {

std::string At(const std::string& name, std::size_t line) { return name + " line " + std::to_string(line) + ": "; }

bool IsIntro(const std::string& name) { return name == "m0.dat"; }

bool EndsWith(const std::string& s, std::string_view tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::vector<std::string> SplitGameText(std::string_view bytes, const std::string& name, Diagnostics& d) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    std::size_t lineNo = lines.size();
    if (c == '\r') {
      if (i + 1 >= bytes.size() || bytes[i + 1] != '\n') {
        d.Error(At(name, lineNo) + "a CR without LF (the game would swallow the text up to the next LF)");
      } else {
        ++i;
      }
      lines.emplace_back();
    } else if (c == '\n') {
      d.Error(At(name, lineNo) + "an LF without CR (the game draws it as a character)");
      lines.emplace_back();
    } else if (c == 26) {
      d.Error(At(name, lineNo) + "a Ctrl-Z byte ends the text there");
      lines.back().push_back(static_cast<char>(c));
    } else {
      if (c < 0x20 || c == 0x7F) d.Error(At(name, lineNo) + "control byte " + std::to_string(c) + " would be drawn as a character");
      lines.back().push_back(static_cast<char>(c));
    }
  }
  // A final line break draws nothing after it.
  if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
  if (lines.size() == 1 && lines.back().empty()) lines.clear();
  return lines;
}

std::optional<std::string> SourceToGameText(std::string_view utf8, const std::string& name, Diagnostics& d) {
  std::string out;
  bool ok = true;
  std::size_t lineNo = 1, start = 0;
  while (start < utf8.size()) {
    std::size_t end = utf8.find('\n', start);
    bool hasEnd = end != std::string_view::npos;
    std::string_view line = utf8.substr(start, hasEnd ? end - start : std::string_view::npos);
    if (line.find('\r') != std::string_view::npos) {
      d.Error(At(name, lineNo) + "a CR: sources keep LF line ends, the game's CR LF is made by `texts`");
      ok = false;
    }
    Encoded e = EncodeCp1250(line);
    if (!e.ok) {
      d.Error(At(name, lineNo) + "character " + std::to_string(e.badColumn) + ": " + e.fault);
      ok = false;
    }
    out += e.text;
    if (hasEnd) out += "\r\n";
    start = hasEnd ? end + 1 : utf8.size();
    ++lineNo;
  }
  if (!ok) return std::nullopt;
  return out;
}

void CheckTextShape(const std::string& name, const std::vector<std::string>& lines, Diagnostics& d) {
  if (lines.empty()) {
    d.Error(name + ": the text is empty");
    return;
  }
  const std::size_t rows = IsIntro(name) ? kIntroRows : kRoomTextRows;
  if (lines.size() > rows) {
    d.Error(name + ": " + std::to_string(lines.size()) + " lines, at most " + std::to_string(rows) +
            (IsIntro(name) ? " fit between y 400 and the bottom panel" : " fit above the room contents panel"));
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) {
      d.Error(At(name, i + 1) + "an empty line (the game draws its CR and LF as characters)");
    } else if (lines[i].size() > static_cast<std::size_t>(kLineWidth)) {
      d.Error(At(name, i + 1) + std::to_string(lines[i].size()) + " characters, at most " + std::to_string(kLineWidth) +
              " fit left of the command help");
    }
  }
  if (EndsWith(name, raketa::PhaseExtension(raketa::Phase::Return)) && lines.size() > static_cast<std::size_t>(kReturnTextRows)) {
    d.Warning(name + ": " + std::to_string(lines.size()) + " lines; in the return phase the player waits for every character");
  }
}

void CheckTextBytes(const std::string& name, std::string_view bytes, Diagnostics& d) {
  if (bytes.find('\r') != std::string_view::npos) {
    CheckTextShape(name, SplitGameText(bytes, name, d), d);
    return;
  }
  std::optional<std::string> game = SourceToGameText(bytes, name, d);
  if (game) CheckTextShape(name, SplitGameText(*game, name, d), d);
}

}  // namespace raketa::worldtool
