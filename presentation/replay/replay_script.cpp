#include "presentation/replay/replay_script.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <utility>

#include "services/keys.h"

namespace raketa {

namespace {

std::string Trimmed(const std::string& s) {
  std::size_t a = 0, b = s.size();
  while (a < b && std::isspace(static_cast<unsigned char>(s[a]))) ++a;
  while (b > a && std::isspace(static_cast<unsigned char>(s[b - 1]))) --b;
  return s.substr(a, b - a);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A wait longer than this (about eleven hours of play) is a typing slip,
// not a pause anyone means; it would also keep the replay busy for ever.
constexpr long kMaxWait = 1000000;

// A script line is short; a longer one is no script (a binary file, or
// /dev/zero through a pipe) and is not read on for ever.
constexpr std::size_t kMaxLine = 4096;

bool ReadLine(std::istream& in, std::string& raw, int lineNo);

// Part of a line for an error message: at most 40 bytes, control bytes
// shown as '?', so that a binary line does not flood the terminal.
std::string Shown(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size() && i < 40; ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    out += c < 32 || c == 127 ? '?' : static_cast<char>(c);
  }
  if (s.size() > 40) out += "...";
  return out;
}

[[noreturn]] void Malformed(int line, const std::string& why) {
  throw ReplayScriptError("line " + std::to_string(line) + ": " + why);
}

}  // namespace

int ReplayKeyCode(const std::string& name) { return KeyCodeOf(name); }

namespace {
bool ReadLine(std::istream& in, std::string& raw, int lineNo) {
  raw.clear();
  std::istream::int_type c;
  while ((c = in.get()) != std::istream::traits_type::eof()) {
    if (c == '\n') return true;
    if (raw.size() >= kMaxLine) Malformed(lineNo, "line longer than " + std::to_string(kMaxLine) + " bytes");
    raw += static_cast<char>(c);
  }
  if (in.bad()) Malformed(lineNo, "the script cannot be read");
  return !raw.empty();
}
}  // namespace

std::vector<ReplayDirective> ParseReplayScript(std::istream& in) {
  std::vector<ReplayDirective> out;
  std::string raw;
  int lineNo = 0;
  while (ReadLine(in, raw, lineNo + 1)) {
    ++lineNo;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    // Blanks (spaces or tabs) before a directive are indentation.
    std::size_t start = 0;
    while (start < raw.size() && IsBlank(raw[start])) ++start;
    // "type" keeps every character after the one blank that follows it,
    // further blanks included.
    if (raw.compare(start, 4, "type") == 0 && raw.size() > start + 4 && IsBlank(raw[start + 4])) {
      ReplayDirective d;
      d.kind = ReplayDirective::Type;
      d.line = lineNo;
      d.text = raw.substr(start + 5);
      out.push_back(d);
      continue;
    }
    std::string line = Trimmed(raw);
    if (line.empty() || line[0] == '#') continue;
    std::size_t wordEnd = 0;
    while (wordEnd < line.size() && !IsBlank(line[wordEnd])) ++wordEnd;
    std::string word = line.substr(0, wordEnd);
    std::string arg = Trimmed(line.substr(wordEnd));
    ReplayDirective d;
    d.kind = ReplayDirective::Wait;
    d.line = lineNo;
    if (word == "wait") {
      const char* first = arg.data();
      const char* last = first + arg.size();
      auto [end, ec] = std::from_chars(first, last, d.count);
      if (arg.empty() || arg[0] == '-' || ec == std::errc::invalid_argument || end != last) {
        Malformed(lineNo, "wait needs a number of frames");
      }
      if (ec == std::errc::result_out_of_range || d.count > kMaxWait) {
        Malformed(lineNo, "wait of more than " + std::to_string(kMaxWait) + " frames");
      }
    } else if (word == "key" || word == "hold" || word == "release") {
      d.kind = word == "key" ? ReplayDirective::Key : word == "hold" ? ReplayDirective::Hold : ReplayDirective::Release;
      d.key = ReplayKeyCode(arg);
      if (d.key == 0) Malformed(lineNo, "unknown key '" + Shown(arg) + "'");
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
    } else if (word == "leave") {
      d.kind = ReplayDirective::Leave;
      if (arg != "window" && arg != "TERM" && arg != "HUP") Malformed(lineNo, "leave takes window, TERM or HUP");
      d.text = arg;
    } else if (word == "restart") {
      d.kind = ReplayDirective::Restart;
      if (!arg.empty()) Malformed(lineNo, "restart takes nothing");
    } else if (word == "type") {
      d.kind = ReplayDirective::Type;  // "type" alone types nothing
    } else {
      Malformed(lineNo, "unknown directive '" + Shown(word) + "'");
    }
    out.push_back(d);
  }
  return out;
}

}  // namespace raketa
