#include "presentation/replay/replay_script.h"

#include <cctype>
#include <cstdlib>
#include <utility>

namespace raketa {

namespace {

std::string Trimmed(const std::string& s) {
  std::size_t a = 0, b = s.size();
  while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
  return s.substr(a, b - a);
}

[[noreturn]] void Malformed(int line, const std::string& why) {
  throw ReplayScriptError("line " + std::to_string(line) + ": " + why);
}

}  // namespace

int ReplayKeyCode(const std::string& name) {
  if (name == "Enter") return 13;
  if (name == "Esc") return 27;
  if (name == "Backspace") return 8;
  // The editing and comfort keys, by their virtual-key codes.
  static const std::pair<const char*, int> kMore[] = {
      {"Tab", 9}, {"End", 35}, {"Home", 36}, {"Left", 37}, {"Up", 38}, {"Right", 39}, {"Down", 40}, {"Delete", 46},
  };
  for (const auto& [n, code] : kMore) {
    if (name == n) return code;
  }
  if (name.size() >= 2 && name[0] == 'F') {
    char* end = nullptr;
    long n = std::strtol(name.c_str() + 1, &end, 10);
    if (*end == '\0' && n >= 1 && n <= 10) return static_cast<int>(111 + n);
  }
  return 0;
}

std::vector<ReplayDirective> ParseReplayScript(std::istream& in) {
  std::vector<ReplayDirective> out;
  std::string raw;
  int lineNo = 0;
  while (std::getline(in, raw)) {
    ++lineNo;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    // "type" keeps every character after "type ", blanks included.
    if (raw.rfind("type ", 0) == 0) {
      ReplayDirective d;
      d.kind = ReplayDirective::Type;
      d.line = lineNo;
      d.text = raw.substr(5);
      out.push_back(d);
      continue;
    }
    std::string line = Trimmed(raw);
    if (line.empty() || line[0] == '#') continue;
    std::string word = line.substr(0, line.find(' '));
    std::string arg = line.size() > word.size() ? Trimmed(line.substr(word.size())) : "";
    ReplayDirective d;
    d.kind = ReplayDirective::Wait;
    d.line = lineNo;
    if (word == "wait") {
      char* end = nullptr;
      d.count = std::strtol(arg.c_str(), &end, 10);
      if (arg.empty() || *end != '\0' || d.count < 0) Malformed(lineNo, "wait needs a number of frames");
    } else if (word == "key" || word == "hold" || word == "release") {
      d.kind = word == "key" ? ReplayDirective::Key : word == "hold" ? ReplayDirective::Hold : ReplayDirective::Release;
      d.key = ReplayKeyCode(arg);
      if (d.key == 0) Malformed(lineNo, "unknown key '" + arg + "'");
    } else if (word == "dialog") {
      d.kind = ReplayDirective::Dialog;
      if (arg.empty()) Malformed(lineNo, "dialog needs a path or cancel");
      d.flag = arg == "cancel";
      if (!d.flag) d.text = arg;
    } else if (word == "focus") {
      d.kind = ReplayDirective::Focus;
      if (arg != "on" && arg != "off") Malformed(lineNo, "focus takes on or off");
      d.flag = arg == "on";
    } else if (word == "screenshot" || word == "dump") {
      d.kind = word == "screenshot" ? ReplayDirective::Screenshot : ReplayDirective::Dump;
      if (arg.empty()) Malformed(lineNo, word + " needs a file name");
      d.text = arg;
    } else if (word == "type") {
      d.kind = ReplayDirective::Type;  // "type" alone types nothing
    } else {
      Malformed(lineNo, "unknown directive '" + word + "'");
    }
    out.push_back(d);
  }
  return out;
}

}  // namespace raketa
