// The replay script: one directive a line, '#' starts a comment, blank lines
// are ignored.
#pragma once

#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace raketa {

struct ReplayDirective {
  enum Kind { Wait, Type, Key, Hold, Release, Dialog, Focus, Screenshot, Dump, Leave, Restart } kind = Wait;
  int line = 0;        // line number in the script, from 1
  long count = 0;      // wait
  int key = 0;         // key, hold, release: virtual-key code
  std::string text;    // type: UTF-8; dialog: path or empty for cancel; files;
                       // leave: window, TERM or HUP
  bool flag = false;   // focus on; dialog cancelled
};

class ReplayScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws ReplayScriptError naming the line of the first malformed directive.
std::vector<ReplayDirective> ParseReplayScript(std::istream& in);

// Enter, Esc, Backspace, F1 … F10, Tab, Up, Down, Left, Right, Home, End,
// Delete; 0 for an unknown name.
int ReplayKeyCode(const std::string& name);

}  // namespace raketa
